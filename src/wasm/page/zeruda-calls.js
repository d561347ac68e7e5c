// One call into the module: the request goes in as JSON, the answer comes back as the
// parsed JSON of the command line's --json, or as its plain text; a refusal becomes
// an Error carrying the program's message and the field it is about. Shared by the
// page, its worker and the tests.
(function (global) {
  'use strict';

  const kJson = 0;
  const kText = 1;
  const decoder = new TextDecoder();

  // `text` as UTF-8 on the module's heap (never its stack, which a long request
  // would overrun): its address and length in bytes. The caller frees it.
  function onHeap(module, text) {
    const size = module.lengthBytesUTF8(text) + 1;
    const at = module._malloc(size);
    if (!at) throw new Error('计算模块的内存不够');
    module.stringToUTF8(text, at, size);
    return { at, length: size - 1 };
  }

  // The last answer, read whole by its length: it may hold any byte, a NUL too.
  function answerText(module) {
    const at = module._zeruda_answer();
    // The heap's view is taken after the call: a call may have grown the memory.
    return decoder.decode(module.HEAPU8.subarray(at, at + module._zeruda_answer_length()));
  }

  // The answer as the module gives it, for a request already in JSON: {json} or
  // {text} (the JSON unparsed), {refused, field} with the message and the field's
  // key, or {trapped} with what broke when the module itself failed: that module is
  // then unusable and its owner starts a fresh one.
  function zerudaCallJson(module, name, json) {
    let nameText = null;
    let request = null;
    try {
      nameText = onHeap(module, String(name));
      request = onHeap(module, json);
      const kind = module._zeruda_call(nameText.at, request.at, request.length);
      const answer = answerText(module);
      if (kind === kJson || kind === kText) {
        const notes = module.UTF8ToString(module._zeruda_notes()).split('\n').filter((n) => n);
        return kind === kJson ? { json: answer, notes } : { text: answer, notes };
      }
      return { refused: answer, field: module.UTF8ToString(module._zeruda_field()) || null };
    } catch (error) {
      module.zerudaBroken = true;
      return { trapped: String((error && error.message) || error) };
    } finally {
      if (!module.zerudaBroken) {
        if (nameText) module._free(nameText.at);
        if (request) module._free(request.at);
      }
    }
  }

  // The blocks of data the module leaves for later, each a file of the site, and the
  // page functions that read them: the page fetches a call's blocks and provides
  // them before the call (after the page is usable, or when a tab needs them); the
  // service worker keeps them for offline use. A call that reads a block it was not
  // given stops (zeruda-needs …) rather than answer from an empty table.
  const kBlockFiles = {
    kArticleSources: 'kArticleSources.bin',
    kNamingVerses: 'kNamingVerses.bin',
    kAlmanacDayYiJi: 'kAlmanacDayYiJi.bin',
    kAlmanacDaySpirits: 'kAlmanacDaySpirits.bin',
    kAlmanacDutyGods: 'kAlmanacDutyGods.bin',
    kAlmanacDutyGodKinds: 'kAlmanacDutyGodKinds.bin',
    kAlmanacClashBranches: 'kAlmanacClashBranches.bin',
    kAlmanacClashStems: 'kAlmanacClashStems.bin',
    kAlmanacPengzu: 'kAlmanacPengzu.bin',
    kStrokeCounts: 'kStrokeCounts.bin',
    kRegionTable: 'kRegionTable.bin',
    kFamousNames: 'kFamousNames.bin',
    kNamingReadings: 'kNamingReadings.bin',
    kNamingAvoidWords: 'kNamingAvoidWords.bin',
    kNamingTones: 'kNamingTones.bin',
    kNamingVerseNames: 'kNamingVerseNames.bin',
  };
  const kAlmanacBlocks = Object.keys(kBlockFiles).filter((block) => block.startsWith('kAlmanac'));
  // Whatever reads a name may read any of these (strokes, the register's rules, the
  // naming data): a function gets them all rather than a list that misses a case.
  const kNameBlocks = ['kStrokeCounts', 'kRegionTable', 'kFamousNames',
                       'kNamingReadings', 'kNamingAvoidWords', 'kNamingTones'];
  const kNeeds = {
    articles: ['kArticleSources'],
    article: ['kArticleSources'],
    personal: [...kNameBlocks, 'kNamingVerses', 'kNamingVerseNames'],
    name: [...kNameBlocks, 'kNamingVerses'],
    almanac: kAlmanacBlocks,
    almanacSearch: kAlmanacBlocks,
    almanacActivities: kAlmanacBlocks,
    openingDays: kAlmanacBlocks,
    openingLeftOut: kAlmanacBlocks,
  };
  for (const name of ['grids', 'gridSvg', 'rate', 'report', 'score', 'shortlist', 'shortlistCsv', 'generate',
                      'resultRichCsv']) {
    kNeeds[name] = kNameBlocks;
  }
  const zerudaNeeds = (name) => kNeeds[name] || [];
  const zerudaBlockFile = (block) => kBlockFiles[block];

  // Gives `module` the block's bytes once (the module copies them).
  function zerudaProvide(module, block, bytes) {
    module.zerudaProvided = module.zerudaProvided || new Set();
    if (module.zerudaProvided.has(block)) return;
    const name = onHeap(module, block);
    const at = module._malloc(Math.max(1, bytes.length));
    if (!at) throw new Error('计算模块的内存不够');
    module.HEAPU8.set(bytes, at);
    module._zeruda_provide(name.at, at, bytes.length);
    module._free(at);
    module._free(name.at);
    module.zerudaProvided.add(block);
  }

  const zerudaCallRaw = (module, name, request) =>
    zerudaCallJson(module, name, JSON.stringify(request || {}));

  // The answer itself: parsed JSON or text; a refusal is thrown, its field as the
  // Error's `field`. What the module said beside a JSON answer (the lines of a
  // shortlist it refused, a note) rides along as the answer's `notes`, out of the way
  // of its own keys.
  function zerudaAnswer(raw) {
    if (raw.text !== undefined) return raw.text;
    if (raw.trapped !== undefined) {
      const error = new Error(`计算出错（${raw.trapped}），计算模块已重新载入，请再试一次`);
      error.trapped = true;
      throw error;
    }
    if (raw.json === undefined) {
      const error = new Error(raw.refused);
      error.field = raw.field || null;
      throw error;
    }
    const value = JSON.parse(raw.json);
    if (raw.notes && raw.notes.length && value !== null && typeof value === 'object') {
      Object.defineProperty(value, 'notes', { value: raw.notes, enumerable: false });
    }
    return value;
  }

  const zerudaCall = (module, name, request) => zerudaAnswer(zerudaCallRaw(module, name, request));

  // The store the page keeps its lists and results in (IndexedDB `zeruda`, store
  // `kept`), opened by the page and by a run's worker alike; null when the browser
  // withholds it.
  const zerudaOpenKept = () => new Promise((resolve) => {
    try {
      const request = indexedDB.open('zeruda', 1);
      request.onupgradeneeded = () => request.result.createObjectStore('kept');
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => resolve(null);
    } catch (ignored) {
      resolve(null);
    }
  });

  if (typeof module === 'object' && module.exports) {
    module.exports = zerudaCall;
    module.exports.zerudaCallRaw = zerudaCallRaw;
    module.exports.zerudaCallJson = zerudaCallJson;
    module.exports.zerudaNeeds = zerudaNeeds;
    module.exports.zerudaBlockFile = zerudaBlockFile;
    module.exports.zerudaProvide = zerudaProvide;
  } else {
    global.zerudaCall = zerudaCall;
    global.zerudaCallRaw = zerudaCallRaw;
    global.zerudaCallJson = zerudaCallJson;
    global.zerudaAnswer = zerudaAnswer;
    global.zerudaNeeds = zerudaNeeds;
    global.zerudaBlockFile = zerudaBlockFile;
    global.zerudaProvide = zerudaProvide;
    global.zerudaOpenKept = zerudaOpenKept;
  }
})(typeof self !== 'undefined' ? self : this);
