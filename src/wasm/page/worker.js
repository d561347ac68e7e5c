// A generator's run, away from the page so that it never freezes: the module is
// loaded as soon as the worker starts, each run's rows are posted as they are made,
// and the page stops a run by ending the worker.
'use strict';
importScripts('zeruda.js', 'zeruda-calls.js');

const moduleReady = createZerudaModule({
  onRow: (json) => postMessage({ type: 'rows', rows: JSON.parse(json) }),
});
moduleReady.then(() => postMessage({ type: 'ready' }));

onmessage = async (event) => {
  const { name, request } = event.data;
  const module = await moduleReady;
  const started = performance.now();
  try {
    const value = zerudaCall(module, name, request);
    postMessage({ type: 'done', value, milliseconds: performance.now() - started });
  } catch (error) {
    postMessage({ type: 'refused', message: error.message });
  }
};
