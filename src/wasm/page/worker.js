// A generator's run, away from the page so that it never freezes. The module is
// loaded as soon as the worker starts; a run's rows are posted as they are made and
// its answer when it ends, both as JSON text, which the page reads. The page stops
// a run by ending the worker, and keeps a worker whose run ended for the next one.
'use strict';
importScripts('zeruda.js', 'zeruda-calls.js');

const moduleReady = createZerudaModule({
  onRow: (json) => postMessage({ type: 'rows', json }),
});
// Ready once the tables a run reads are read too.
moduleReady.then((module) => {
  zerudaCallRaw(module, 'prepare', {});
  postMessage({ type: 'ready' });
});

onmessage = async (event) => {
  const { name, request } = event.data;
  const module = await moduleReady;
  const started = performance.now();
  const answer = zerudaCallRaw(module, name, request);
  postMessage({ type: 'done', answer, milliseconds: performance.now() - started });
};
