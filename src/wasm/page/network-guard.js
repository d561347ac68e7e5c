// Holds a worker to the site's own origin, whatever its code asks: the page's
// Content-Security-Policy (a <meta>) does not reach workers, and a static host may
// send no header at all. zerudaGuardNetwork(allowed) replaces every way a worker
// has to reach the network (fetch, XMLHttpRequest, WebSocket, EventSource,
// importScripts, nested workers) by one that refuses, except fetch of a URL that
// `allowed` accepts. It replaces them where they are defined, on the prototypes
// too, so no copy of the originals is left to reach for.
'use strict';
function zerudaGuardNetwork(allowed) {
  const scope = self;
  const refusal = (what) => new TypeError(`${what}：本线程只读本站自己的文件，不连接别的地方`);
  // Every object on the global's prototype chain that defines `name`.
  const owners = (name) => {
    const found = [];
    for (let at = scope; at; at = Object.getPrototypeOf(at)) {
      if (Object.prototype.hasOwnProperty.call(at, name)) found.push(at);
    }
    return found;
  };
  const replace = (name, value) => {
    for (const owner of owners(name)) {
      Object.defineProperty(owner, name, { value, writable: false, configurable: false });
    }
  };
  const siteFetch = scope.fetch.bind(scope);
  replace('fetch', (input, init) => {
    let url;
    try {
      url = new URL(input instanceof Request ? input.url : String(input), scope.location.href);
    } catch (error) {
      return Promise.reject(error);
    }
    return allowed(url) ? siteFetch(input, init) : Promise.reject(refusal(url.origin));
  });
  for (const name of ['XMLHttpRequest', 'WebSocket', 'EventSource', 'Worker', 'SharedWorker', 'importScripts']) {
    if (name in scope) replace(name, function () { throw refusal(name); });
  }
}
