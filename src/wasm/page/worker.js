// A generator's run, away from the page so that it never freezes. The module is
// loaded as soon as the worker starts; a run's rows are posted as they are made and
// its answer when it ends, both as JSON text, which the page reads. The page stops
// a run by ending the worker, and keeps a worker whose run ended for the next one.
// Whatever fails here is posted as `failed`, so the page's promise never waits on
// a worker that cannot answer. Once its module is loaded it needs no network, and
// has none: every way to reach one refuses from then on.
'use strict';
importScripts('network-guard.js', 'zeruda.js', 'zeruda-calls.js');

const failed = (error) => postMessage({ type: 'failed', message: String((error && error.message) || error) });

// A run asked to keep its pieces writes each to the page's store (IndexedDB) as it is
// made, so that the page's thread need not copy megabytes into storage. The writes
// commit once the run has ended; a stopped run's worker is ended, and they with it.
let keeping = null;  // {store's database, key prefix, pieces written}

function keepPiece(json) {
  if (!keeping || !keeping.db) return;
  const key = `${keeping.prefix}${String(keeping.count++).padStart(6, '0')}`;
  try {
    keeping.db.transaction('kept', 'readwrite').objectStore('kept').put(json, key);
  } catch (ignored) {
    // Storage refused: the results are shown, and not kept.
  }
}

const moduleReady = createZerudaModule({
  onRow: (json) => {
    keepPiece(json);
    postMessage({ type: 'rows', json });
  },
});
// Ready once the tables a run reads are read too.
moduleReady.then((module) => {
  const prepared = zerudaCallRaw(module, 'prepare', {});
  if (prepared.json === undefined) throw new Error(prepared.refused || prepared.trapped);
  zerudaGuardNetwork(() => false);
  postMessage({ type: 'ready' });
}).catch(failed);

// The request comes as JSON text: the page has made it so, and any value that
// cannot cross to a worker has been refused there.
onmessage = async (event) => {
  try {
    const { name, json, provide, keep } = event.data;
    const module = await moduleReady;
    keeping = typeof keep === 'string' ? { db: await zerudaOpenKept(), prefix: keep, count: 0 } : null;
    for (const [block, bytes] of Object.entries(provide || {})) zerudaProvide(module, block, bytes);
    const started = performance.now();
    const answer = zerudaCallJson(module, name, json);
    postMessage({ type: 'done', answer, milliseconds: performance.now() - started });
  } catch (error) {
    failed(error);
  }
};
