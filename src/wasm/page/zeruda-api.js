// window.zeruda: the core's functions for the page, and for anyone who scripts it
// from the browser's console. Every function returns a promise that settles: it
// never throws and never waits on a worker that cannot answer. The quick ones run
// on a copy of the module in the page; the two generators run in a worker, one run
// at a time, and zeruda.stop() ends the run in progress.
(function () {
  'use strict';

  // Opened from a file, a page may neither fetch its module nor start workers.
  const served = location.protocol !== 'file:';
  // The module's size as built: its bytes are counted as they arrive (a compressed
  // transfer's length would not tell), and the page shows how far it is.
  const kModuleBytes = Number('@ZERUDA_WASM_BYTES@');
  const reportLoading = (loaded) => window.dispatchEvent(new CustomEvent('zeruda-loading', {
    detail: { loaded, total: kModuleBytes },
  }));

  // Compiled while it streams in, as the glue would, with each piece counted.
  async function instantiateCounting(url, imports) {
    const response = await fetch(url, { credentials: 'same-origin' });
    if (!response.ok) throw new Error(`计算模块未能载入（${response.status}）`);
    let loaded = 0;
    const counted = response.body.pipeThrough(new TransformStream({
      transform(piece, controller) {
        loaded += piece.byteLength;
        reportLoading(loaded);
        controller.enqueue(piece);
      },
    }));
    const streamed = new Response(counted, { headers: { 'Content-Type': 'application/wasm' } });
    return (await WebAssembly.instantiateStreaming(streamed, imports)).instance;
  }

  const loadModule = () => {
    let wasmUrl = null;
    let failLoading;
    const failed = new Promise((resolve, reject) => { failLoading = reject; });
    const loading = Promise.race([failed, createZerudaModule({
      locateFile: (path, directory) => (wasmUrl = directory + path),
      instantiateWasm: (imports, receive) => {
        instantiateCounting(wasmUrl, imports).then((instance) => receive(instance), failLoading);
        return {};
      },
    })]);
    loading.catch(() => {});  // the page reports it through zeruda.ready
    return loading;
  };
  let moduleReady = served ? loadModule()
    : Promise.reject(new Error('本页要由网页服务器提供才能运行'));
  moduleReady.catch(() => {});

  // The deferred blocks' bytes, each fetched once (through the service worker once
  // it is there); a failed fetch is tried again at the next call that needs it.
  const blocks = new Map();
  // How many are still on their way, for the page to show.
  let arriving = 0;
  const reportBlocks = () => window.dispatchEvent(new CustomEvent('zeruda-blocks', { detail: { arriving } }));
  function blockBytes(block) {
    if (!blocks.has(block)) {
      arriving += 1;
      reportBlocks();
      const bytes = fetch(zerudaBlockFile(block), { credentials: 'same-origin' }).then(async (response) => {
        if (!response.ok) throw new Error(`资料 ${block} 未能载入（${response.status}）`);
        return new Uint8Array(await response.arrayBuffer());
      }).catch((error) => {
        blocks.delete(block);
        throw new Error(`资料未能载入，请检查网络后再试：${error.message || error}`);
      }).finally(() => {
        arriving -= 1;
        reportBlocks();
      });
      blocks.set(block, bytes);
    }
    return blocks.get(block);
  }
  // {block: bytes} for what page function `name` reads.
  const neededBlocks = async (name) => Object.fromEntries(
    await Promise.all(zerudaNeeds(name).map(async (block) => [block, await blockBytes(block)])));

  // A module that trapped is left for a fresh one; the call that broke it is refused.
  async function call(name, request) {
    const needed = neededBlocks(name);
    needed.catch(() => {});
    const module = await moduleReady;
    for (const [block, bytes] of Object.entries(await needed)) zerudaProvide(module, block, bytes);
    const raw = zerudaCallRaw(module, name, request);
    if (raw.trapped !== undefined) moduleReady = loadModule();
    return zerudaAnswer(raw);
  }

  // A worker is kept loaded and waiting, so a run starts at once; one whose run
  // ended by itself waits for the next (its module is warm by then). `loaded`
  // rejects when the worker cannot load or says it failed.
  let spare = null;
  let running = null;

  function freshWorker() {
    const worker = new Worker('worker.js');
    worker.loaded = new Promise((resolve, reject) => {
      worker.onmessage = (event) => {
        if (event.data.type === 'ready') resolve();
        if (event.data.type === 'failed') reject(new Error(`取名的后台线程未能载入：${event.data.message}`));
      };
      worker.onerror = (event) => {
        event.preventDefault();
        reject(new Error(`取名的后台线程未能载入${event.message ? `：${event.message}` : ''}`));
      };
    });
    worker.loaded.catch(() => {});  // the run that takes it is refused
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

  function optionsOf(options) {
    if (options === undefined) return {};
    if (options === null || typeof options !== 'object') {
      throw new TypeError('第二个参数应为对象，如 {onRows: (rows) => …}');
    }
    if (options.onRows !== undefined && typeof options.onRows !== 'function') {
      throw new TypeError('onRows 应为函数');
    }
    if (options.keepAs !== undefined && typeof options.keepAs !== 'string') {
      throw new TypeError('keepAs 应为文字');
    }
    return options;
  }

  // `keepRows` false: the rows are only handed to onRows, not kept for a stopped run
  // (a long list is kept once, by its caller).
  async function run(name, request, options, keepRows = true) {
    const { onRows, keepAs } = optionsOf(options);
    if (running) throw new Error('已有一次取名正在进行，请先停止它');
    // As JSON text: a value no worker could take (a function, a symbol) is left out
    // as JSON leaves it, one JSON cannot hold (a BigInt, a cycle) refuses the run here.
    const json = JSON.stringify(request || {});
    const worker = takeWorker();
    return new Promise((resolve, reject) => {
      const rows = [];
      let ended = false;
      // A worker that ended, failed or broke its module is not kept.
      const finish = (settle, keep) => {
        if (ended) return;
        ended = true;
        running = null;
        worker.onmessage = null;
        worker.onerror = null;
        if (keep) {
          keepWorker(worker);
        } else {
          worker.terminate();
          if (!spare) spare = freshWorker();
        }
        settle();
      };
      const fail = (error) => finish(() => reject(error), false);
      running = {
        stop: () => finish(() => resolve({ stopped: true, rows }), false),
      };
      const follow = (event) => {
        const message = event.data;
        if (message.type === 'rows') {
          const piece = JSON.parse(message.json);
          const added = rowsOf(piece);
          if (keepRows) rows.push(...added);
          try {
            if (onRows) onRows(added, piece, message.json);
          } catch (error) {
            fail(error);  // the caller's own callback: the run ends with its error
          }
        } else if (message.type === 'done') {
          zeruda.lastRunMilliseconds = message.milliseconds;
          let answer;
          try {
            answer = zerudaAnswer(message.answer);
          } catch (refusal) {
            finish(() => reject(refusal), message.answer.trapped === undefined);
            return;
          }
          finish(() => resolve(answer), true);
        } else if (message.type === 'failed') {
          fail(new Error(`取名的后台线程出错：${message.message}`));
        }
      };
      // The worker's first message says it has loaded; only then is the run its.
      // The blocks the run reads go with it (the worker keeps them).
      Promise.all([neededBlocks(name), worker.loaded]).then(([provide]) => {
        if (ended) return;
        worker.onmessage = follow;
        worker.onerror = (event) => {
          event.preventDefault();
          fail(new Error(`取名的后台线程出错${event.message ? `：${event.message}` : ''}`));
        };
        worker.postMessage({ name, json, provide, keep: keepAs });
      }, fail);
    });
  }

  const ready = moduleReady.then(() => true);
  ready.catch(() => {});  // a page opened from a file says so itself

  // The rows of a result list as the export takes them: a list of lists of texts.
  function exportCells(rows) {
    if (!Array.isArray(rows) || !rows.every(Array.isArray)) {
      throw new TypeError('导出的行应是一个列表，每行又是一个列表');
    }
    return rows.flat();
  }

  const zeruda = {
    ready,
    lastRunMilliseconds: null,

    grids: async (body) => call('grids', { body }),
    chart: async (date, time) => call('chart', { date, time }),
    almanac: async (date) => call('almanac', { date }),
    almanacSearch: async (from, range, activity, avoid, lists) =>
      call('almanacSearch', { from, range, activity, avoid: Boolean(avoid), lists: Boolean(lists) }),
    almanacActivities: async () => call('almanacActivities', {}),
    openingDays: async (from, days, birthDate, birthTime) =>
      call('openingDays', { from, days, birth: birthDate, time: birthTime }),
    score: async (lines, base) =>
      call('score', { lines: Array.isArray(lines) ? lines.join('\n') : lines, base }),
    // The same list scored in the worker, so that a long one never freezes the page:
    // options.onRows sees it best first, a piece at a time; resolves with the count
    // by standing ({names, usable, needs_approval, unusable}, the refused lines as its
    // notes), or, when stopped, with {stopped: true, rows: []}: the rows are onRows'.
    // A run, as generate is. options.keepAs: a key prefix under which the worker keeps
    // each piece's JSON in the page's IndexedDB store (keepAs + "000000", …).
    scoreList: (lines, base, options) =>
      run('shortlist', { lines: Array.isArray(lines) ? lines.join('\n') : lines, base }, options, false),
    // The list's CSV as `zeruda-cli score --csv` writes it, made in the worker too.
    shortlistCsv: (lines, base) =>
      run('shortlistCsv', { lines: Array.isArray(lines) ? lines.join('\n') : lines, base }),
    rate: async (body, base) => call('rate', { body, base }),
    report: async (body, prefix, suffix, base) => call('report', { body, prefix, suffix, base }),
    month: async (year, month) => call('month', { year, month }),
    // 测名: the personal name report of `zeruda-cli name --json`; gender, birthDate and
    // birthTime may be left out (undefined), as the command line's options may.
    name: async (surname, given, gender, birthDate, birthTime) =>
      call('name', { surname, given, gender, birth: birthDate, time: birthTime }),

    // A run: resolves with the command line's --json of the whole run, or, when
    // stopped, with {stopped: true, rows}. options.onRows sees the rows as they come
    // (the piece they came in, and its JSON text, beside them).
    generate: (request, options) => run('generate', request, options),
    personal: (request, options) => run('personal', request, options),
    stop: async () => { if (running) running.stop(); },
    get running() { return running !== null; },

    // What the page needs beyond the command line's outputs.
    gridSvg: async (body) => call('gridSvg', { body }),
    chartSvg: async (date, time) => call('chartSvg', { date, time }),
    monthDays: async (year, month) => call('monthDays', { year, month }),
    openingLeftOut: async (from, days, birthDate, birthTime) =>
      call('openingLeftOut', { from, days, birth: birthDate, time: birthTime }),
    resultCsv: async (rows) => call('resultCsv', { cells: exportCells(rows) }),
    // The rich CSV: each row's seven cells, then its star_parts' base, talents, five
    // grids and elements (eight empty texts for a row without them).
    resultRichCsv: async (rows) => call('resultRichCsv', { cells: exportCells(rows) }),
    // Fetches the blocks page function `name` reads, so that its first call need
    // not wait for them.
    preload: async (name) => { await neededBlocks(name); },
    articles: async () => call('articles', {}),
    article: async (id) => call('article', { id }),
  };

  // The run worker loads once the page's module has: on a first visit the two would
  // otherwise fetch the module side by side over the same slow link.
  if (served) {
    moduleReady.then(() => {
      try {
        if (!spare && !running) spare = freshWorker();
      } catch (ignored) {
        // A page that may not start workers finds out at its first run.
      }
    }, () => {});
  }
  window.zeruda = zeruda;
})();
