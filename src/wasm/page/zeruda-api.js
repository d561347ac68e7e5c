// window.zeruda: the core's functions for the page, and for anyone who scripts it
// from the browser's console. Every function is async. The quick ones run on a copy
// of the module in the page; the two generators run in a worker, one run at a time,
// and zeruda.stop() ends the run in progress.
(function () {
  'use strict';

  // Opened from a file, a page may neither fetch its module nor start workers.
  const served = location.protocol !== 'file:';
  const moduleReady = served ? createZerudaModule()
    : Promise.reject(new Error('本页要由网页服务器提供才能运行'));
  moduleReady.catch(() => {});  // the page reports it through zeruda.ready
  const call = (name, request) => moduleReady.then((module) => zerudaCall(module, name, request));

  // A worker is kept loaded and waiting, so a run starts at once; one whose run
  // ended by itself waits for the next (its module is warm by then).
  let spare = null;
  let running = null;

  function freshWorker() {
    const worker = new Worker('worker.js');
    worker.loaded = new Promise((resolve) => {
      worker.onmessage = (event) => { if (event.data.type === 'ready') resolve(); };
    });
    return worker;
  }

  function takeWorker() {
    const worker = spare || freshWorker();
    spare = null;
    return worker;
  }

  function keepWorker(worker) {
    if (spare) worker.terminate();
    else spare = worker;
  }

  // The rows of a run's JSON: generate gives a list of rows, personal an object
  // holding them.
  const rowsOf = (value) => (Array.isArray(value) ? value : value.rows);

  function run(name, request, onRows) {
    if (running) return Promise.reject(new Error('已有一次取名正在进行，请先停止它'));
    const worker = takeWorker();
    return new Promise((resolve, reject) => {
      const rows = [];
      let ended = false;
      const finish = (settle, stopped) => {
        ended = true;
        running = null;
        if (stopped) {
          worker.terminate();
          if (!spare) spare = freshWorker();
        } else {
          keepWorker(worker);
        }
        settle();
      };
      running = {
        stop: () => finish(() => resolve({ stopped: true, rows }), true),
      };
      const follow = (event) => {
        const message = event.data;
        if (ended) return;  // a message sent just before the worker was ended
        if (message.type === 'rows') {
          const piece = JSON.parse(message.json);
          const added = rowsOf(piece);
          rows.push(...added);
          if (onRows) onRows(added, piece);
        } else if (message.type === 'done') {
          zeruda.lastRunMilliseconds = message.milliseconds;
          finish(() => {
            try {
              resolve(zerudaAnswer(message.answer));
            } catch (refusal) {
              reject(refusal);
            }
          }, false);
        }
      };
      // The worker's first message says it has loaded; only then is the run its.
      worker.loaded.then(() => {
        worker.onmessage = follow;
        worker.postMessage({ name, request });
      });
    });
  }

  const ready = moduleReady.then(() => true);
  ready.catch(() => {});  // a page opened from a file says so itself

  const zeruda = {
    ready,
    lastRunMilliseconds: null,

    grids: (body) => call('grids', { body }),
    chart: (date, time) => call('chart', { date, time }),
    almanac: (date) => call('almanac', { date }),
    openingDays: (from, days, birthDate, birthTime) =>
      call('openingDays', { from, days, birth: birthDate, time: birthTime }),
    score: (lines, base) =>
      call('score', { lines: Array.isArray(lines) ? lines.join('\n') : lines, base }),
    rate: (body, base) => call('rate', { body, base }),
    report: (body, prefix, suffix, base) => call('report', { body, prefix, suffix, base }),
    month: (year, month) => call('month', { year, month }),

    // A run: resolves with the command line's --json of the whole run, or, when
    // stopped, with {stopped: true, rows}. options.onRows sees the rows as they come.
    generate: (request, options = {}) => run('generate', request, options.onRows),
    personal: (request, options = {}) => run('personal', request, options.onRows),
    stop: () => { if (running) running.stop(); },
    get running() { return running !== null; },

    // What the page needs beyond the command line's outputs.
    gridSvg: (body) => call('gridSvg', { body }),
    chartSvg: (date, time) => call('chartSvg', { date, time }),
    monthDays: (year, month) => call('monthDays', { year, month }),
    openingLeftOut: (from, days, birthDate, birthTime) =>
      call('openingLeftOut', { from, days, birth: birthDate, time: birthTime }),
    resultCsv: (rows) => call('resultCsv', { cells: rows.flat() }),
    articles: () => call('articles', {}),
    article: (id) => call('article', { id }),
  };

  if (served) spare = freshWorker();
  window.zeruda = zeruda;
})();
