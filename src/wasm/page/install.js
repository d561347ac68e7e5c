// Installs the site for offline use (its service worker) and tells the page when
// another version than its own has been installed. The page goes on with its own
// version, whole, until it is opened again.
(function () {
  'use strict';
  const version = document.querySelector('meta[name="zeruda-version"]').content;
  window.zerudaVersion = version;
  window.zerudaInstall = (onNewVersion) => {
    if (!('serviceWorker' in navigator)) return;
    const workers = navigator.serviceWorker;
    workers.addEventListener('message', (event) => {
      const message = event.data || {};
      if (message.type === 'installed' && message.version !== version) onNewVersion(message.version);
    });
    workers.startMessages();
    workers.register('service-worker.js').catch(() => {});
  };
})();
