// The page: forms in, the core's answers out. Every figure comes from window.zeruda;
// this script only reads the forms, keeps the legal representative in the browser's
// storage and lays the answers out.
(function () {
  'use strict';

  const $ = (selector) => document.querySelector(selector);
  const kPersonKey = 'zeruda.person';
  const kStar = '☆';

  // ---- small helpers -------------------------------------------------------------

  function element(tag, text, className) {
    const node = document.createElement(tag);
    if (text !== undefined) node.textContent = text;
    if (className) node.className = className;
    return node;
  }

  function setStatus(text, isError) {
    const status = $('#status');
    status.textContent = text;
    status.classList.toggle('error', Boolean(isError));
  }

  // "1985年6月15日", "1985-6-15" or "1985/6/15" as "1985-06-15"; the text as it is
  // when it is none of these (the core then says what is wrong).
  // What a date picker shows of a typed date: the picker takes only YYYY-MM-DD, so a
  // date typed another way leaves it empty (the core still reads the typed text).
  function pickerDate(text) {
    const found = String(text || '').trim()
      .match(/^(\d{4})\s*(?:年|-|\/|\.)\s*(\d{1,2})\s*(?:月|-|\/|\.)\s*(\d{1,2})\s*日?$/);
    if (!found) return '';
    return `${found[1]}-${found[2].padStart(2, '0')}-${found[3].padStart(2, '0')}`;
  }

  function today() {
    const now = new Date();
    const pad = (n) => String(n).padStart(2, '0');
    return `${now.getFullYear()}-${pad(now.getMonth() + 1)}-${pad(now.getDate())}`;
  }

  const starsText = (count) => kStar.repeat(count);

  // A form's fields by name; check boxes as booleans, repeated names as lists.
  function formValues(form) {
    const values = {};
    for (const field of form.elements) {
      if (!field.name) continue;
      if (field.type === 'checkbox' && field.value !== 'on') {
        values[field.name] = values[field.name] || [];
        if (field.checked) values[field.name].push(field.value);
      } else {
        values[field.name] = field.type === 'checkbox' ? field.checked : field.value.trim();
      }
    }
    return values;
  }

  function showMessage(where, error) {
    where.replaceChildren(element('p', error.message || String(error), 'message'));
  }

  // Where each form shows a refusal about one of its inputs: the field's key, as the
  // core names it, and the input that holds it. A company run reads the legal
  // representative from the first tab: its refusals point there.
  const byName = (names, form = '') =>
    Object.fromEntries(Object.entries(names).map(([key, name]) => [key, `${form} [name="${name}"]`.trim()]));
  const kLegalInputs = byName({ legal_surname: 'surname', legal_given_name: 'given', birth_date: 'birth',
                                birth_time: 'time' }, '#person-form');
  const kFieldInputs = {
    'person-form': byName({ legal_surname: 'surname', legal_given_name: 'given', birth_date: 'birth',
                            birth_time: 'time', day: 'birth', time: 'time' }),
    'company-form': byName({ region_prefix: 'prefix', trade_suffix: 'suffix', body_length: 'length',
                             fixed_character_1: 'fixed1', fixed_character_2: 'fixed2', fixed_character_3: 'fixed3',
                             fixed_character_4: 'fixed4', wanted_elements: 'auto_elements',
                             minimum_stars: 'min_stars', name_count: 'count', seed: 'seed',
                             naming_road: 'road' }),
    'company-form-legal': kLegalInputs,
    'evaluate-form': byName({ name_body: 'body', report_prefix: 'prefix', report_suffix: 'suffix' }),
    'chart-form': byName({ day: 'date', time: 'time' }),
    'personal-form': byName({ person_surname: 'surname', person_gender: 'gender', birth_date: 'birth',
                              birth_time: 'time', given_length: 'length', fixed_position: 'fixed_pos',
                              person_fixed_character: 'fixed', star_level: 'level', name_count: 'count',
                              seed: 'seed', naming_road: 'road' }),
    'judge-form': byName({ person_surname: 'surname', person_given_name: 'given', person_gender: 'gender',
                           birth_date: 'birth', birth_time: 'time' }),
    shortlist: { shortlist_names: '#shortlist-names' },
  };

  function clearRefusals(form) {
    for (const note of form.querySelectorAll('.field-message')) note.remove();
    for (const input of form.querySelectorAll('[aria-invalid]')) {
      input.removeAttribute('aria-invalid');
      input.removeAttribute('aria-describedby');
    }
  }

  // A refusal beside the input of `form` it is about, which then takes the focus
  // (unless `focus` is false: the form checks itself as it is left); under `where`
  // when it is about none of them.
  function showRefusal(form, where, error, focus = true) {
    clearRefusals(form);
    const field = error && error.field;
    const inForm = field && (kFieldInputs[form.id] || {})[field];
    const elsewhere = field && (kFieldInputs[`${form.id}-legal`] || {})[field];
    const input = (inForm && form.querySelector(inForm)) || (elsewhere && document.querySelector(elsewhere));
    if (!input) {
      showMessage(where, error);
      return;
    }
    where.replaceChildren();
    const owner = input.form || form;
    if (owner !== form) clearRefusals(owner);
    const section = input.closest('main > section');
    if (section && section.hidden) showTab(section.id);
    const note = element('span', error.message, 'message field-message');
    note.id = `${owner.id}-refusal`;
    note.setAttribute('role', 'alert');
    (input.closest('label') || input).after(note);
    input.setAttribute('aria-invalid', 'true');
    input.setAttribute('aria-describedby', note.id);
    if (focus) input.focus();
  }

  // Runs `work`, showing a refusal under `where` (or beside its input of `form`)
  // instead of failing silently.
  async function guarded(where, work, form, focus = true) {
    if (form) clearRefusals(form);
    try {
      return await work();
    } catch (error) {
      if (form) showRefusal(form, where, error, focus);
      else showMessage(where, error);
      return undefined;
    }
  }

  function download(name, text, type) {
    const url = URL.createObjectURL(new Blob([text], { type }));
    const link = element('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  }

  // ---- what the page keeps between visits: IndexedDB ----------------------------

  // Lists and results in IndexedDB, beside the legal representative in local storage:
  // a scored list of 20,000 names is some megabytes, more than local storage holds.
  // Storage the browser withholds or refuses leaves the page working, remembering
  // nothing.
  const kept = {
    opening: null,
    open() {
      if (!this.opening) this.opening = zerudaOpenKept();
      return this.opening;
    },
    async use(mode, work) {
      const db = await this.open();
      if (!db) return undefined;
      return new Promise((resolve) => {
        try {
          const transaction = db.transaction('kept', mode);
          const request = work(transaction.objectStore('kept'));
          transaction.oncomplete = () => resolve(request.result);
          transaction.onerror = () => resolve(undefined);
          transaction.onabort = () => resolve(undefined);
        } catch (ignored) {
          resolve(undefined);
        }
      });
    },
    get(key) { return this.use('readonly', (store) => store.get(key)); },
    put(key, value) { return this.use('readwrite', (store) => store.put(value, key)); },
    // Every key from `first` up to and with `last`.
    remove(first, last) { return this.use('readwrite', (store) => store.delete(IDBKeyRange.bound(first, last))); },
    clear() { return this.use('readwrite', (store) => store.clear()); },
  };

  // A pause for the page: what follows runs as a task of its own.
  const breather = () => new Promise((resolve) => setTimeout(resolve, 0));

  // ---- tabs ---------------------------------------------------------------------

  function showTab(name) {
    for (const button of document.querySelectorAll('#tabs button')) {
      button.setAttribute('aria-selected', String(button.dataset.tab === name));
    }
    for (const section of document.querySelectorAll('main > section')) {
      section.hidden = section.id !== name;
    }
  }

  // ---- the legal representative, kept in this browser only ----------------------

  // What is kept of a saved value: a text that fits its input (a choice one of its
  // options); anything else is dropped, and named in `dropped`.
  function savedValue(input, value) {
    if (typeof value !== 'string') return undefined;
    if (input.tagName === 'SELECT') return [...input.options].some((option) => option.value === value) ? value : undefined;
    const most = input.maxLength > 0 ? input.maxLength : 40;
    return value.length <= most ? value : undefined;
  }

  const kPersonFields = { surname: '姓', given: '名', gender: '性别', birth: '出生日期', time: '出生时间' };

  const person = {
    // The saved values that pass, and the names of those dropped.
    load() {
      let text = null;
      try {
        text = localStorage.getItem(kPersonKey);
      } catch (ignored) {
        // Storage the browser withholds: nothing was saved.
      }
      if (text === null) return { values: {}, dropped: [] };
      let saved;
      try {
        saved = JSON.parse(text);
      } catch (ignored) {
        saved = undefined;
      }
      const plain = saved !== null && typeof saved === 'object' && !Array.isArray(saved);
      if (!plain) return { values: {}, dropped: ['全部'] };
      const form = $('#person-form');
      const values = {};
      const dropped = [];
      for (const [name, label] of Object.entries(kPersonFields)) {
        if (saved[name] === undefined || saved[name] === '') continue;
        const kept = savedValue(form.elements[name], saved[name]);
        if (kept === undefined) dropped.push(label);
        else values[name] = kept;
      }
      return { values, dropped };
    },
    // Storage may be withheld or full: the page then works without remembering.
    save(values) {
      try {
        localStorage.setItem(kPersonKey, JSON.stringify(values));
      } catch (ignored) {
        // nothing kept
      }
    },
    forget() {
      try {
        localStorage.removeItem(kPersonKey);
      } catch (ignored) {
        // nothing was kept
      }
    },
    // The form's values as typed: the core reads every form of date the boxes take.
    current() {
      const values = formValues($('#person-form'));
      delete values.birthPicker;
      values.birth = String(values.birth || '').trim();
      return values;
    },
    complete(values) { return Boolean(values.birth && values.time); },
    // The base score of every rating: 5 less the elements missing from the chart.
    base: null,
  };

  function fillPersonForm(values) {
    const form = $('#person-form');
    for (const name of ['surname', 'given', 'gender', 'birth', 'time']) {
      if (values[name]) form.elements[name].value = values[name];
    }
    form.elements.birthPicker.value = pickerDate(values.birth);
  }

  async function personChanged() {
    const values = person.current();
    person.save(values);
    $('#person-form').elements.birthPicker.value = pickerDate(values.birth);
    const summary = $('#person-summary');
    person.base = null;
    clearRefusals($('#person-form'));
    showBaseNotes();
    if (!person.complete(values)) {
      summary.replaceChildren(element('p', '填好出生日期和时间后，这里显示法人的八字，评分以它为基准。', 'hint'));
      return;
    }
    const chart = await guarded(summary, () => zeruda.chart(values.birth, values.time), $('#person-form'), false);
    if (!chart) return;
    person.base = 5 - [...chart.missing].length;
    showBaseNotes();
    const facts = element('dl', undefined, 'facts');
    const add = (term, text) => facts.append(element('dt', term), element('dd', text));
    add('农历', chart.lunar);
    add('四柱', chart.pillars.join(' '));
    add('生肖', chart.zodiac);
    add('五行', chart.elements);
    add('五行缺', chart.missing || '不缺');
    add('喜用神', chart.favourable);
    add('吉数', String(person.base));
    summary.replaceChildren(facts, element('p', '吉数是评分的基准分：按传统说法，八字五行齐全为5，' +
      '每缺一行减1。名字评测、批量评分的星级都从它算起。', 'hint'));
    for (const warning of chart.warnings) summary.append(element('p', warning, 'hint'));
  }

  function baseScore() { return person.base === null ? undefined : person.base; }

  // Where ratings are shown without a legal representative, they say on what base.
  function showBaseNotes() {
    for (const note of document.querySelectorAll('.base-note')) {
      note.hidden = person.base !== null;
      if (note.childElementCount) continue;
      const link = element('a', '法人资料');
      link.href = '#';
      link.addEventListener('click', (event) => {
        event.preventDefault();
        showTab('person');
        $('#person-form').elements.birth.focus();
      });
      note.append('未填法人的出生日期和时间：星级按吉数 0 评分。在', link,
                  '中填好出生日期和时间，即按法人的吉数评分。');
    }
  }

  // ---- company naming ------------------------------------------------------------

  const company = { rows: [], sortKey: null, descending: false };

  function companyRequest() {
    const who = person.current();
    const form = formValues($('#company-form'));
    const request = {
      surname: who.surname, given: who.given, birth: who.birth, time: who.time,
      prefix: form.prefix, suffix: form.suffix, shop: form.shop, length: Number(form.length),
      count: form.count, road: form.road,
      seed: form.seed === '' ? Math.floor(Math.random() * 2147483647) : Number(form.seed),
    };
    for (const position of [1, 2, 3, 4]) {
      if (form[`fixed${position}`]) request[`fixed${position}`] = form[`fixed${position}`];
    }
    if (form.auto_elements) request.auto_elements = true;
    else if (form.element.length) request.element = form.element;
    if (form.min_stars) request.min_stars = Number(form.min_stars);
    return request;
  }

  const kCompanyColumns = ['sequence', 'full_name', 'body', 'written_strokes', 'kangxi_strokes',
                           'elements', 'stars'];

  // What a listed name carries beneath it, a child's or a 字号: reading, each
  // character of `characters` with its meaning, the verse it stands in, the warnings
  // and how its stars were counted. Rows kept before they carried these show none.
  function nameFacts(row, characters) {
    const facts = element('div', undefined, 'name-facts');
    const line = (text, className) => facts.append(element('p', text, className));
    if (row.pinyin) line(row.pinyin, 'pinyin');
    if (Array.isArray(row.meanings) && row.meanings.length) {
      line([...String(characters || '')].map((char, i) => `${char}：${row.meanings[i] || '—'}`).join('；'));
    }
    const verse = row.source;
    if (verse) line(`${verse.text}——《${verse.book}·${verse.title}》${verse.dynasty}·${verse.author}`, 'source');
    for (const warning of row.warnings || []) line(warning, 'warning');
    const parts = row.star_parts;
    if (parts) {
      line(`星级 = 基数 ${parts.base} + 三才 ${parts.talents} + 五格 ${parts.grids.join('+')} + 五行 ${parts.elements}` +
           ` = ${parts.sum}` + (parts.threshold === null ? '' : `，超过 ${parts.threshold}`), 'stars');
    }
    return facts;
  }

  function companyRow(row) {
    const line = element('tr');
    kCompanyColumns.forEach((key, column) => {
      const cell = element('td', key === 'body' ? undefined : String(row[key]));
      if (key === 'body') cell.append(element('span', String(row.body), 'body'), nameFacts(row, row.body));
      if (column === 0 || column === 3 || column === 4) cell.className = 'narrow-hide';
      line.append(cell);
    });
    line.addEventListener('click', () => openEvaluation(row.body));
    return line;
  }

  function showCompanyRows() {
    const rows = company.rows.slice();
    if (company.sortKey) {
      const key = company.sortKey;
      const numeric = key === 'sequence';
      rows.sort((a, b) => {
        const order = numeric ? Number(a[key]) - Number(b[key])
          : key === 'stars' ? a[key].length - b[key].length
            : String(a[key]).localeCompare(String(b[key]), 'zh-CN');
        return company.descending ? -order : order;
      });
    }
    $('#company-table tbody').replaceChildren(...rows.map(companyRow));
  }

  function setCompanyRunning(running) {
    $('#company-start').disabled = running;
    $('#company-stop').disabled = !running;
    $('#company-csv').disabled = running || company.rows.length === 0;
    $('#company-rich-csv').disabled = running || company.rows.length === 0;
    $('#company-copy').disabled = running || company.rows.length === 0;
  }

  function clearCompanyRows() {
    company.rows = [];
    company.sortKey = null;
    for (const th of document.querySelectorAll('#company-table th')) th.removeAttribute('aria-sort');
    $('#company-table tbody').replaceChildren();
  }

  // The last results stay until the next run makes its first names: a refused run
  // leaves them as they were.
  async function startCompany() {
    const count = $('#company-count');
    const before = count.textContent;
    clearRefusals($('#company-form'));
    const request = companyRequest();
    count.textContent = '正在生成名字……';
    setCompanyRunning(true);
    const body = $('#company-table tbody');
    const started = performance.now();
    let fresh = false;
    const begin = () => {
      if (!fresh) clearCompanyRows();
      fresh = true;
    };
    try {
      const result = await zeruda.generate(request, {
        onRows: (rows) => {
          begin();
          company.rows.push(...rows);
          body.append(...rows.map(companyRow));
          count.textContent = `已生成 ${company.rows.length} 个`;
        },
      });
      begin();
      const seconds = ((performance.now() - started) / 1000).toFixed(1);
      count.textContent = `${result.stopped ? '已停止' : '完成'}：${company.rows.length} 个名字，` +
        `用时 ${seconds} 秒（种子 ${request.seed}）`;
    } catch (error) {
      count.textContent = '';
      showRefusal($('#company-form'), count, error);
      // Beside its input, the refusal leaves the count of the last results shown.
      if (!fresh && count.textContent === '') count.textContent = before;
    }
    if (fresh) kept.put('company', { rows: company.rows, count: count.textContent });
    setCompanyRunning(false);
  }

  async function restoreCompany() {
    const saved = await kept.get('company');
    if (!saved || !Array.isArray(saved.rows) || company.rows.length) return;
    company.rows = saved.rows;
    showCompanyRows();
    $('#company-count').textContent = `上次的结果：${String(saved.count || '')}`;
    setCompanyRunning(false);
  }

  async function exportCompany() {
    const csv = await guarded($('#company-count'), () =>
      zeruda.resultCsv(company.rows.map((row) => kCompanyColumns.map((key) => String(row[key])))));
    if (csv === undefined) return;
    // A byte-order mark first: Excel then reads the file as UTF-8.
    download('公司备选名.csv', '\uFEFF' + csv, 'text/csv;charset=utf-8');
  }

  // The star parts as the run gave them; a row kept from before they were listed has
  // none, and its four rich columns stay empty.
  function richCells(row) {
    const parts = row.star_parts;
    const numbers = parts && Array.isArray(parts.grids)
      ? [parts.base, parts.talents, ...parts.grids, parts.elements] : [];
    return [...kCompanyColumns.map((key) => String(row[key])),
            ...(numbers.length === 8 ? numbers.map(String) : Array(8).fill(''))];
  }

  async function exportCompanyRich() {
    const csv = await guarded($('#company-count'), () => zeruda.resultRichCsv(company.rows.map(richCells)));
    if (csv === undefined) return;
    download('公司备选名_详细.csv', '\uFEFF' + csv, 'text/csv;charset=utf-8');
  }

  async function copyCompanyNames() {
    const text = company.rows.map((row) => row.full_name).join('\r\n') + '\r\n';
    const count = $('#company-count');
    try {
      await navigator.clipboard.writeText(text);
      count.textContent = '复制名字成功！';
    } catch (ignored) {
      count.textContent = '复制名字失败！';
    }
  }

  function sortCompany(header) {
    const key = header.dataset.key;
    company.descending = company.sortKey === key ? !company.descending : key === 'stars';
    company.sortKey = key;
    for (const th of document.querySelectorAll('#company-table th')) th.removeAttribute('aria-sort');
    header.setAttribute('aria-sort', company.descending ? 'descending' : 'ascending');
    showCompanyRows();
  }

  // ---- evaluation of one name ----------------------------------------------------

  // A report's text with its rules ("-----登记提示-----") drawn as lines that fit any
  // width, the text itself kept for copying.
  function showReport(text) {
    const report = $('#evaluate-report');
    report.dataset.text = text;
    const parts = [];
    for (const line of text.split(/\r?\n/)) {
      const rule = line.match(/^\s*-{6,}\s*(.*?)\s*-*\s*$/);
      if (rule) parts.push(element('span', rule[1], 'rule'));
      else parts.push(`${line}\n`);
    }
    report.replaceChildren(...parts);
  }

  // A share link: the body, and the prefix and suffix it stands between.
  function shareLink(body, prefix, suffix) {
    const part = (key, value) => `${key}=${encodeURIComponent(value)}`;
    return `#${[part('evaluate', body), part('prefix', prefix), part('suffix', suffix)].join('&')}`;
  }

  // A refused evaluation leaves the last one shown.
  async function evaluate() {
    const form = formValues($('#evaluate-form'));
    const message = $('#evaluate-message');
    message.replaceChildren();
    const text = await guarded(message, () => zeruda.report(form.body, form.prefix, form.suffix, baseScore()),
                               $('#evaluate-form'));
    if (text === undefined) return;
    showReport(text);
    $('#evaluate-copy').disabled = false;
    const diagram = $('#evaluate-diagram');
    diagram.replaceChildren();
    const svg = await guarded(message, () => zeruda.gridSvg(form.body));
    if (svg !== undefined) diagram.innerHTML = svg;
    const link = $('#evaluate-link');
    link.href = shareLink(form.body, form.prefix, form.suffix);
    link.hidden = false;
  }

  // The evaluation of a body, with the prefix and suffix it stands between
  // (the company form's when none are given).
  function openEvaluation(body, prefix, suffix) {
    const form = $('#evaluate-form');
    const companyForm = $('#company-form');
    form.elements.body.value = body;
    form.elements.prefix.value = prefix !== undefined ? prefix : companyForm.elements.prefix.value;
    form.elements.suffix.value = suffix !== undefined ? suffix : companyForm.elements.suffix.value;
    showTab('evaluate');
    evaluate();
  }

  // The parts of an address "#evaluate=BODY&prefix=…&suffix=…" (prefix and suffix may
  // be left out); undefined when it is no evaluation, null when it cannot be read.
  function sharedEvaluation(hash) {
    if (!/^#evaluate=./.test(hash)) return undefined;
    const parts = {};
    try {
      for (const pair of hash.slice(1).split('&')) {
        const at = pair.indexOf('=');
        if (at > 0) parts[pair.slice(0, at)] = decodeURIComponent(pair.slice(at + 1));
      }
    } catch (ignored) {
      return null;
    }
    return parts.evaluate ? parts : null;
  }

  // index.html#evaluate=BODY&prefix=…&suffix=… opens that evaluation: links people
  // can share. One without prefix and suffix takes the form's. A link cut or garbled
  // on its way opens the page all the same, and says so.
  function followAddress() {
    const shared = sharedEvaluation(location.hash);
    if (shared === undefined) return;
    if (shared === null) {
      showTab('evaluate');
      showMessage($('#evaluate-report'), new Error('这个分享链接不完整或已损坏，无法读出要评测的名字；请在上面输入名字后评测。'));
      return;
    }
    const form = $('#evaluate-form');
    form.elements.body.value = shared.evaluate;
    if (shared.prefix !== undefined) form.elements.prefix.value = shared.prefix;
    if (shared.suffix !== undefined) form.elements.suffix.value = shared.suffix;
    showTab('evaluate');
    evaluate();
  }

  async function copyReport() {
    const button = $('#evaluate-copy');
    try {
      await navigator.clipboard.writeText($('#evaluate-report').dataset.text || '');
      button.textContent = '已复制';
    } catch (ignored) {
      button.textContent = '复制失败';
    }
    setTimeout(() => { button.textContent = '复制评测结果'; }, 2000);
  }

  // ---- shortlist -----------------------------------------------------------------

  // The list scores in the worker and comes a piece at a time; only a page of it is
  // laid out at once, so no step holds the page for long. The list as typed, and its
  // last results (as the pieces' JSON), are kept between visits.
  //
  // A piece is held as its JSON text, with its names (one a line) and their standings
  // (one letter each) for the filter: a few strings a piece, where 20,000 names as
  // objects would give the page's collector hundreds of thousands to go through. A
  // piece is read back only when its names are shown. Names are counted from 0 over
  // the whole list.
  const kShownStep = 200;
  const shortlist = { pieces: [], total: 0, parsed: new Map(), summary: null, notes: [], shown: kShownStep,
                      lines: '', base: null, laidOut: [] };

  // A name's standing as the core counts it, by its most serious finding, as a letter.
  const kStandings = { 可用: 'o', 需审批: 'a', 不可用: 'x' };
  function standingLetter(name) {
    const levels = name.findings.map((finding) => finding.level);
    if (levels.includes('不可用')) return kStandings.不可用;
    if (levels.includes('需审批')) return kStandings.需审批;
    return kStandings.可用;
  }

  function clearShortlistPieces() {
    Object.assign(shortlist, { pieces: [], total: 0, parsed: new Map(), summary: null, notes: [],
                               shown: kShownStep });
  }

  const pieceOf = (rows, json, start) => ({ json, start, count: rows.length,
                                             names: rows.map((row) => row.name).join('\n'),
                                             standings: rows.map(standingLetter).join('') });

  function addShortlistPiece(piece) {
    shortlist.pieces.push(piece);
    shortlist.total += piece.count;
  }

  // The name numbered `number`, read from its piece.
  function shortlistName(number) {
    let low = 0;
    let high = shortlist.pieces.length - 1;
    while (low < high) {
      const middle = (low + high + 1) >> 1;
      if (shortlist.pieces[middle].start <= number) low = middle;
      else high = middle - 1;
    }
    if (!shortlist.parsed.has(low)) shortlist.parsed.set(low, JSON.parse(shortlist.pieces[low].json));
    return shortlist.parsed.get(low)[number - shortlist.pieces[low].start];
  }

  function shortlistRow(name) {
    const line = element('tr');
    const findings = name.findings.map((finding) => `${finding.level}：${finding.reason}`).join('；');
    const score = element('td', name.score === null ? '-' : String(name.score), 'narrow-hide');
    line.append(element('td', name.name), element('td', name.body, 'narrow-hide'),
                element('td', starsText(name.stars), 'stars'),
                score, element('td', findings));
    const at = name.body ? name.name.indexOf(name.body) : -1;
    if (at >= 0) {
      line.addEventListener('click', () => openEvaluation(name.body, name.name.slice(0, at),
                                                          name.name.slice(at + name.body.length)));
    }
    return line;
  }

  // The numbers of the names the filter lets through; null when it lets all through.
  function filteredShortlist() {
    const filter = formValues($('#shortlist-filter'));
    if (!filter.text && !filter.standing) return null;
    const letter = kStandings[filter.standing];
    const numbers = [];
    for (const piece of shortlist.pieces) {
      piece.names.split('\n').forEach((name, at) => {
        if ((!filter.text || name.includes(filter.text)) && (!letter || piece.standings[at] === letter)) {
          numbers.push(piece.start + at);
        }
      });
    }
    return numbers;
  }

  // The rows shown, laid out a few at a time (each step a task of its own, so no
  // layout holds the page long); rows already in place stay.
  const kRowsAStep = 10;
  let layingOut = 0;
  async function layOutShortlist(shown) {
    const body = $('#shortlist-table tbody');
    const lay = ++layingOut;
    // Marked while rows are still to come (for the tests, and for styles).
    body.parentElement.dataset.layingOut = 'true';
    const same = shown.length >= shortlist.laidOut.length &&
      shortlist.laidOut.every((row, at) => row === shown[at]);
    if (!same) {
      body.replaceChildren();
      shortlist.laidOut = [];
    }
    while (shortlist.laidOut.length < shown.length) {
      if (shortlist.laidOut.length > 0) await breather();
      if (lay !== layingOut) return;
      const next = shown.slice(shortlist.laidOut.length, shortlist.laidOut.length + kRowsAStep);
      body.append(...next.map((number) => shortlistRow(shortlistName(number))));
      shortlist.laidOut.push(...next);
    }
    delete body.parentElement.dataset.layingOut;
  }

  function showShortlistRows() {
    const numbers = filteredShortlist();
    const matching = numbers ? numbers.length : shortlist.total;
    const shown = numbers ? numbers.slice(0, shortlist.shown)
      : Array.from({ length: Math.min(shortlist.shown, shortlist.total) }, (unused, number) => number);
    layOutShortlist(shown);
    const more = $('#shortlist-more');
    more.hidden = matching <= shown.length;
    more.textContent = `显示更多（已显示 ${shown.length} / ${matching}）`;
    const summary = shortlist.summary;
    $('#shortlist-summary').textContent = summary
      ? `共 ${summary.names} 个：可用 ${summary.usable}，需审批 ${summary.needs_approval}，不可用 ${summary.unusable}` +
        (numbers ? `；筛选出 ${matching} 个` : '')
      : '';
    $('#shortlist-csv').disabled = zeruda.running || !summary;
  }

  function shortlistNotes() {
    const notes = shortlist.notes.slice(0, 20).map((note) => element('p', note, 'hint'));
    if (shortlist.notes.length > 20) notes.push(element('p', `另有 ${shortlist.notes.length - 20} 行未评分。`, 'hint'));
    $('#shortlist-message').replaceChildren(...notes);
  }

  // How many lines a text has (blank ones too): counted without making a string of each.
  function lineCount(text) {
    let count = text.length > 0 && !text.endsWith('\n') ? 1 : 0;
    for (let at = text.indexOf('\n'); at >= 0; at = text.indexOf('\n', at + 1)) ++count;
    return count;
  }

  function setShortlistRunning(running) {
    $('#shortlist-run').disabled = running;
    $('#shortlist-stop').disabled = !running;
    $('#shortlist-progress').hidden = !running;
    $('#shortlist-csv').disabled = running || !shortlist.summary;
  }

  async function scoreShortlist() {
    if (zeruda.running) {
      showMessage($('#shortlist-message'), new Error('取名正在进行，请等它完成或停止后再评分。'));
      return;
    }
    const box = $('#shortlist-names');
    const lines = box.value;
    const base = baseScore();
    const count = $('#shortlist-count');
    const progress = $('#shortlist-progress');
    const before = count.textContent;
    clearRefusals($('#shortlist'));
    $('#shortlist-message').replaceChildren();
    progress.removeAttribute('value');
    progress.max = Math.max(1, lineCount(lines));
    count.textContent = '正在评分……';
    setShortlistRunning(true);
    let fresh = false;
    const started = performance.now();
    // Each piece is kept as it comes, under this run's own keys, by the worker that
    // made it: a large write at the end, or a copy of each piece here, would hold the
    // page. The results point at the run once it is whole.
    const run = `shortlist:${Date.now()}:`;
    let pieces = 0;
    try {
      const answer = await zeruda.scoreList(lines, base, {
        keepAs: run,
        onRows: (rows, piece, json) => {
          if (!fresh) clearShortlistPieces();
          fresh = true;
          addShortlistPiece(pieceOf(rows, json, shortlist.total));
          pieces += 1;
          progress.value = shortlist.total;
          count.textContent = `已评 ${shortlist.total} / ${progress.max} 个`;
          // The first page as it comes; the rest waits for 显示更多.
          if (shortlist.total - rows.length < kShownStep) showShortlistRows();
        },
      });
      if (answer.stopped) {
        count.textContent = `已停止：评了 ${shortlist.total} 个`;
        // A stopped run's pieces are not kept: the last whole results stay the kept ones.
        kept.remove(run, `${run}\uffff`);
      } else {
        fresh = true;
        if (pieces === 0) clearShortlistPieces();
        Object.assign(shortlist, { summary: answer, notes: answer.notes || [], lines, base });
        const seconds = ((performance.now() - started) / 1000).toFixed(1);
        count.textContent = `完成：${answer.names} 个名字，用时 ${seconds} 秒`;
        shortlistNotes();
        setShortlistRunning(false);
        showShortlistRows();
        const last = await kept.get('shortlist');
        await kept.put('shortlist', { run, pieces, summary: answer, notes: shortlist.notes, lines, base,
                                      count: count.textContent });
        if (last && typeof last.run === 'string') kept.remove(last.run, `${last.run}\uffff`);
      }
    } catch (error) {
      // A refused list leaves the last results as they were.
      count.textContent = before;
      if (pieces > 0) kept.remove(run, `${run}\uffff`);
      showRefusal($('#shortlist'), $('#shortlist-message'), error);
    }
    setShortlistRunning(false);
    showShortlistRows();
  }

  // The list as typed is kept as it is typed, the results once scored.
  let keepLinesTimer = null;
  function keepShortlistLines() {
    clearTimeout(keepLinesTimer);
    keepLinesTimer = setTimeout(() => kept.put('shortlistLines', $('#shortlist-names').value), 500);
  }

  async function restoreShortlist() {
    const lines = await kept.get('shortlistLines');
    if (typeof lines === 'string' && !$('#shortlist-names').value) $('#shortlist-names').value = lines;
    const saved = await kept.get('shortlist');
    if (!saved || typeof saved.run !== 'string' || !Number.isInteger(saved.pieces) || shortlist.summary) return;
    const pieces = [];
    let start = 0;
    try {
      for (let piece = 0; piece < saved.pieces; ++piece) {
        const json = await kept.get(`${saved.run}${String(piece).padStart(6, '0')}`);
        pieces.push(pieceOf(JSON.parse(json), json, start));
        start += pieces[piece].count;
      }
    } catch (ignored) {
      return;  // results gone bad are not shown
    }
    if (shortlist.summary || zeruda.running) return;
    clearShortlistPieces();
    pieces.forEach(addShortlistPiece);
    Object.assign(shortlist, { summary: saved.summary, notes: saved.notes || [], lines: saved.lines,
                               base: saved.base });
    $('#shortlist-count').textContent = `上次的结果：${String(saved.count || '')}`;
    shortlistNotes();
    showShortlistRows();
  }

  // The CSV of the list last scored, made again in the worker as the command line makes it.
  async function exportShortlist() {
    const count = $('#shortlist-count');
    const before = count.textContent;
    count.textContent = '正在导出……';
    setShortlistRunning(true);
    const csv = await guarded($('#shortlist-message'),
                              () => zeruda.shortlistCsv(shortlist.lines, shortlist.base === null ? undefined : shortlist.base));
    setShortlistRunning(false);
    count.textContent = before;
    if (csv === undefined) return;
    download(`批量评测_${today()}.csv`, '\uFEFF' + csv, 'text/csv;charset=utf-8');
  }

  // ---- 测名: a name one already has ----------------------------------------------

  // The words the report gives a grid's luck (1, 0.5 or 0).
  const luckWord = (luck) => (luck >= 1 ? '吉' : luck >= 0.5 ? '半吉' : '凶');
  const kGridNames = ['天格', '人格', '地格', '总格', '外格'];

  async function judgeName() {
    const form = formValues($('#judge-form'));
    const message = $('#judge-message');
    message.replaceChildren();
    // An empty box is an option left out, as on the command line.
    const judged = await guarded(message, () => zeruda.name(form.surname, form.given, form.gender || undefined,
                                                            form.birth || undefined, form.time || undefined),
                                 $('#judge-form'));
    if (!judged) return;
    showJudgement(judged);
  }

  function showJudgement(judged) {
    const facts = $('#judge-facts');
    const warnings = $('#judge-warnings');
    const notes = $('#judge-notes');
    facts.replaceChildren();
    warnings.replaceChildren();
    notes.replaceChildren();
    const add = (term, value) => facts.append(element('dt', term), element('dd', value));
    add('姓名', `${judged.name}（${judged.pinyin}）`);
    add('声调', `${judged.tones.join(' ')}（${judged.tone_pattern}）`);
    add('字义', judged.given_strokes.map((part, i) => `${part.char}：${judged.meanings[i] || '—'}`).join('；'));
    const verse = judged.source;
    add('出处', verse ? `《${verse.book}·${verse.title}》（${verse.dynasty}·${verse.author}）：${verse.text}`
                      : '所收诗文中未见');
    add('五格', kGridNames.map((grid, i) => `${grid}${judged.grids[i]} ${luckWord(judged.grid_luck[i])}`).join('　'));
    add('三才', `${judged.talents} ${luckWord(judged.talents_luck)}`);
    const parts = judged.star_parts;
    if (parts) {
      add('星级', starsText(judged.stars));
      const counted = `基数 ${parts.base} + 三才 ${parts.talents} + 五格 ${parts.grids.join('+')} + 五行 ${parts.elements}` +
        ` = ${parts.sum}，四舍五入为 ${parts.rounded}` +
        (parts.threshold === null ? '' : `，超过 ${parts.threshold} 得 ${judged.stars} 星`);
      add('星级算法', counted);
      add('八字五行缺', parts.missing_elements || '不缺');
    } else {
      add('星级', '填上出生日期和时间，按八字算星级');
    }
    for (const warning of judged.warnings) warnings.append(element('p', warning));
    for (const note of judged.notes) notes.append(element('p', note, 'hint'));
  }

  // ---- birth chart ---------------------------------------------------------------

  async function showChart() {
    const form = formValues($('#chart-form'));
    const date = String(form.date || '').trim();
    const facts = $('#chart-facts');
    const warnings = $('#chart-warnings');
    const message = $('#chart-message');
    message.replaceChildren();
    // A refused chart leaves the last one shown.
    const chart = await guarded(message, () => zeruda.chart(date, form.time), $('#chart-form'));
    if (!chart) return;
    warnings.replaceChildren();
    $('#chart-picture').replaceChildren();
    facts.replaceChildren();
    const add = (term, text) => facts.append(element('dt', term), element('dd', text));
    add('农历', chart.lunar);
    add('四柱', chart.pillars.join(' '));
    add('纳音', chart.nayin.join('；'));
    add('生肖', chart.zodiac);
    add('星座', chart.starSign);
    add('五行', chart.elements);
    add('五行缺', chart.missing || '不缺');
    // Scores to one decimal, as the element chart shows them.
    const shown = (score) => score.toFixed(1);
    add('五行分数', Object.entries(chart.scores).map(([e, s]) => `${e}${shown(s)}`).join(' '));
    add('日主', chart.dayMaster);
    add('同类/异类', `${shown(chart.sameScore)} / ${shown(chart.otherScore)}`);
    add('判断', chart.verdict);
    add('喜用神', chart.favourable);
    for (const warning of chart.warnings) warnings.append(element('p', warning));
    const svg = await guarded(message, () => zeruda.chartSvg(date, form.time));
    if (svg !== undefined) $('#chart-picture').innerHTML = svg;
  }

  // ---- month view, a day's almanac and the opening days ---------------------------

  const calendarState = { year: 0, month: 0 };
  const monthText = (year, month) => `${year}-${String(month).padStart(2, '0')}`;

  // A month the core refuses (out of the calendar's range) leaves the grid and the
  // month box on the month shown, with the core's message under the grid.
  async function showMonth(year, month) {
    const days = await guarded($('#day-view'), () => zeruda.monthDays(year, month));
    if (!days) {
      if (calendarState.year) $('#month-pick').value = monthText(calendarState.year, calendarState.month);
      return;
    }
    calendarState.year = year;
    calendarState.month = month;
    $('#month-pick').value = monthText(year, month);
    const body = $('#month-grid tbody');
    const shownToday = today();
    const rows = [];
    let row = null;
    for (const day of days) {
      const weekday = new Date(`${day.date}T12:00:00`).getDay();
      if (!row || weekday === 0) {
        row = element('tr');
        rows.push(row);
        for (let blank = 0; blank < (rows.length === 1 ? weekday : 0); ++blank) {
          row.append(element('td', '', 'empty'));
        }
      }
      const cell = element('td');
      cell.dataset.date = day.date;
      cell.classList.toggle('today', day.date === shownToday);
      cell.classList.toggle('term', day.term !== '');
      cell.classList.toggle('festival', day.festivals.length > 0);
      // A festival is named in place of the lunar day, as the window's month views do.
      const name = day.festivals.length > 0 ? day.festivals.join(' ') : day.name;
      cell.append(element('span', String(Number(day.date.slice(8)))), element('span', name, 'lunar'));
      cell.addEventListener('click', () => showDay(day, cell));
      row.append(cell);
    }
    body.replaceChildren(...rows);
  }

  function stepMonth(step) {
    let { year, month } = calendarState;
    month += step;
    if (month < 1) { month = 12; year -= 1; }
    if (month > 12) { month = 1; year += 1; }
    showMonth(year, month);
  }

  // The twelve hours as a small table: a column per hour, its pillar, god and luck.
  function hoursTable(hours) {
    const table = element('table', undefined, 'hours');
    const rowOf = (caption, cells) => {
      const tr = element('tr');
      tr.append(element('th', caption), ...cells);
      return tr;
    };
    table.append(
      rowOf('时辰', hours.map((hour) => element('th', `${hour.branch}时`))),
      rowOf('时柱', hours.map((hour) => element('td', hour.pillar))),
      rowOf('值神', hours.map((hour) => element('td', hour.god))),
      rowOf('吉凶', hours.map((hour) => element('td', hour.luck, hour.luck === '吉' ? 'lucky' : ''))));
    return table;
  }

  async function showDay(shown, cell) {
    for (const chosen of document.querySelectorAll('#month-grid td.chosen')) chosen.classList.remove('chosen');
    if (cell) cell.classList.add('chosen');
    const view = $('#day-view');
    const day = await guarded(view, () => zeruda.almanac(shown.date));
    if (!day) return;
    const facts = element('dl', undefined, 'facts');
    const add = (term, text) => facts.append(element('dt', term), element('dd', text));
    if (shown.term) add('节气', shown.term);
    if (shown.festivals.length > 0) add('节日', shown.festivals.join('、'));
    add('宜', day.day_yi.join(' ') || '无');
    add('忌', day.day_ji.join(' ') || '无');
    add('冲煞', `冲${day.chong_animal}(${day.chong_pillar})　煞${day.sha}`);
    add('彭祖百忌', day.pengzu.join('　'));
    add('吉神宜趋', day.ji_shen.join(' ') || '无');
    add('凶煞宜忌', day.xiong_sha.join(' ') || '无');
    add('值神', `${day.day_god}（${day.day_luck}）`);
    view.replaceChildren(
      element('p', `${day.date}　农历${shown.lunar_name}　生肖${day.zodiac}`),
      element('p', `${day.pillars.join(' ')}　值日：${day.officer}　纳音：${day.nayin}`),
      element('p', day.yi),
      element('p', day.ji),
      facts,
      hoursTable(day.hours));
    $('#opening-form').elements.from.value = shown.date;
    $('#search-form').elements.from.value = shown.date;
  }

  // The activity box: the officer texts' activities, then the day lists' words; each
  // option says which it is searched by.
  async function fillSearchActivities() {
    const lists = await guarded($('#search-days'), () => zeruda.almanacActivities());
    if (!lists) return;
    const group = (label, words, kind) => {
      const options = element('optgroup');
      options.label = label;
      for (const word of words) {
        const option = element('option', word);
        option.value = `${kind}:${word}`;
        options.append(option);
      }
      return options;
    };
    const box = $('#search-form').elements.activity;
    box.replaceChildren(group('建除十二神', lists.officer, 'officer'),
                        group('每日宜忌', lists.traditional, 'lists'));
    box.value = 'officer:嫁娶';
  }

  async function searchDays() {
    const list = $('#search-days');
    const form = formValues($('#search-form'));
    const [kind, activity] = String(form.activity || ':').split(/:(.*)/s);
    const found = await guarded(list, () => zeruda.almanacSearch(
      form.from, form.range, activity, form.column === 'ji', kind === 'lists'));
    if (found === undefined) return;
    const days = found.split('\n').filter((line) => line);
    if (days.length === 0) list.replaceChildren(element('li', '这段日子里没有这样的日子。'));
    else list.replaceChildren(...days.map((line) => element('li', line)));
  }

  function openingDayItem(day) {
    const item = element('li');
    const hours = day.lucky_hours.map((hour) => hour.branch).join('、');
    item.append(
      element('p', `${day.date}　${day.weekday}　${day.officer}日　${day.pillars.join(' ')}　吉时：${hours || '无'}`),
      element('p', day.reasons.join('；')));
    if (day.cautions.length > 0) item.append(element('p', `留意：${day.cautions.join('；')}`, 'cautions'));
    return item;
  }

  async function showOpeningDays() {
    const list = $('#opening-days');
    const leftOut = $('#opening-left-out');
    leftOut.replaceChildren();
    const who = person.current();
    if (!person.complete(who)) {
      showMessage(list, new Error('请先在“法人资料”中填好出生日期和时间。'));
      return;
    }
    const form = formValues($('#opening-form'));
    const ask = (call) => call(form.from, form.days, who.birth, who.time);
    const days = await guarded(list, () => ask(zeruda.openingDays));
    if (!days) return;
    if (days.length === 0) list.replaceChildren(element('li', '这段日子里没有合适的开业日。'));
    else list.replaceChildren(...days.map(openingDayItem));
    const notes = await guarded(leftOut, () => ask(zeruda.openingLeftOut));
    if (notes && notes.length > 0) {
      leftOut.replaceChildren(element('p', '冲法人年支或日支而不取的日子：'),
        ...notes.map((left) => element('p', `${left.date}　${left.note}`)));
    }
  }

  // ---- personal naming -----------------------------------------------------------

  function personalRequest() {
    const form = formValues($('#personal-form'));
    const request = {
      surname: form.surname, gender: form.gender, birth: form.birth, time: form.time,
      length: Number(form.length), count: form.count, road: form.road,
      seed: form.seed === '' ? Math.floor(Math.random() * 2147483647) : Number(form.seed),
    };
    if (form.fixed_pos) {
      request.fixed_pos = Number(form.fixed_pos);
      request.fixed = form.fixed;
    }
    if (form.level) request.level = Number(form.level);
    return request;
  }

  // A listed name with what it carries under it: reading, each character's meaning,
  // the verse it stands in, the warnings and how its stars were counted.
  function personalItem(row) {
    const item = element('li');
    item.append(element('span', `${row.name}[${starsText(row.stars)}]`, 'name'), nameFacts(row, row.given));
    return item;
  }

  // What the list keeps of a row for the next visit: what personalItem shows.
  const keptRow = (row) => ({ name: row.name, given: row.given, stars: row.stars, pinyin: row.pinyin,
                              meanings: row.meanings, source: row.source, warnings: row.warnings,
                              star_parts: row.star_parts });

  // A recommended name is a row of the same piece, named by the text the row shows.
  const rowsByText = (rows) => new Map(rows.map((row) => [`${row.name}[${starsText(row.stars)}]`, row]));

  // As the company run: the last names stay until the next run makes its first.
  async function startPersonal() {
    const names = $('#personal-names');
    const recommended = $('#personal-recommended');
    const count = $('#personal-count');
    const before = count.textContent;
    $('#personal-start').disabled = true;
    $('#personal-stop').disabled = false;
    count.textContent = '正在取名……';
    clearRefusals($('#personal-form'));
    let made = 0;
    let fresh = false;
    const listed = [];
    const picks = [];
    const begin = () => {
      if (!fresh) {
        names.replaceChildren();
        recommended.replaceChildren();
      }
      fresh = true;
    };
    try {
      const request = personalRequest();
      const result = await zeruda.personal(request, {
        onRows: (rows, piece) => {
          begin();
          made += rows.length;
          names.append(...rows.map(personalItem));
          listed.push(...rows.map(keptRow));
          const byText = rowsByText(rows);
          for (const text of piece.recommended || []) {
            const row = byText.get(text);
            recommended.append(row ? personalItem(row) : element('li', text));
            picks.push(row ? keptRow(row) : text);
          }
          count.textContent = `已取 ${made} 个`;
        },
      });
      begin();
      count.textContent = `${result.stopped ? '已停止' : '完成'}：${made} 个名字（种子 ${request.seed}）`;
    } catch (error) {
      count.textContent = '';
      showRefusal($('#personal-form'), count, error);
      // Beside its input, the refusal leaves the count of the last results shown.
      if (!fresh && count.textContent === '') count.textContent = before;
    }
    if (fresh) {
      kept.put('personal', { rows: listed, recommended: picks, count: count.textContent });
    }
    $('#personal-start').disabled = false;
    $('#personal-stop').disabled = true;
  }

  async function restorePersonal() {
    const saved = await kept.get('personal');
    const names = $('#personal-names');
    const texts = (list) => (Array.isArray(list) ? list.map((text) => element('li', String(text))) : []);
    if (!saved || names.childElementCount) return;
    // Kept before the rows carried their facts: the names alone.
    names.replaceChildren(...(Array.isArray(saved.rows) ? saved.rows.map(personalItem) : texts(saved.names)));
    // A pick kept before the picks carried their facts is its text alone.
    const picks = Array.isArray(saved.recommended) ? saved.recommended : [];
    $('#personal-recommended').replaceChildren(...picks.map((pick) =>
      (pick && typeof pick === 'object' ? personalItem(pick) : element('li', String(pick)))));
    $('#personal-count').textContent = `上次的结果：${String(saved.count || '')}`;
  }

  // ---- library -------------------------------------------------------------------

  async function showArticles() {
    const list = $('#article-list');
    if (list.childElementCount) return;
    const articles = await guarded(list, () => zeruda.articles());
    if (!articles) return;
    list.replaceChildren(...articles.map((entry) => {
      const item = element('li');
      const link = element('a', entry.title);
      link.tabIndex = 0;
      link.addEventListener('click', () => showArticle(entry.id));
      item.append(link);
      return item;
    }));
  }

  async function showArticle(id) {
    const view = $('#article-view');
    const article = await guarded(view, () => zeruda.article(id));
    if (!article) return;
    // Our own pages, compiled into the module: their markup is shown as it is.
    view.innerHTML = article.html;
    view.prepend(element('h3', article.title));
    view.scrollIntoView({ behavior: 'smooth' });
  }

  // ---- start ---------------------------------------------------------------------

  function wire() {
    for (const button of document.querySelectorAll('#tabs button')) {
      button.addEventListener('click', () => {
        showTab(button.dataset.tab);
        if (button.dataset.tab === 'library') showArticles();
      });
    }
    const personForm = $('#person-form');
    personForm.addEventListener('change', (event) => {
      if (event.target.name === 'birthPicker' && event.target.value) personForm.elements.birth.value = event.target.value;
      // What was dropped from the saved values is told until the form is filled again.
      for (const note of document.querySelectorAll('.saved-note')) note.remove();
      personChanged();
    });
    // Clearing asks first: what is lost cannot be had back.
    const confirmForget = (shown) => {
      $('#forget-confirm').hidden = !shown;
      $('#person-forget').hidden = shown;
    };
    $('#person-forget').addEventListener('click', () => {
      confirmForget(true);
      $('#forget-no').focus();
    });
    $('#forget-no').addEventListener('click', () => confirmForget(false));
    $('#forget-yes').addEventListener('click', async () => {
      confirmForget(false);
      person.forget();
      clearTimeout(keepLinesTimer);
      await kept.clear();
      personForm.reset();
      personChanged();
      setStatus('已清除这台设备上保存的资料。');
    });
    $('#company-form').elements.auto_elements.addEventListener('change', (event) => {
      for (const box of $('#company-form').querySelectorAll('input[name="element"]')) box.disabled = event.target.checked;
    });
    $('#company-start').addEventListener('click', startCompany);
    $('#company-stop').addEventListener('click', () => zeruda.stop());
    $('#company-csv').addEventListener('click', exportCompany);
    $('#company-rich-csv').addEventListener('click', exportCompanyRich);
    $('#company-copy').addEventListener('click', copyCompanyNames);
    for (const header of document.querySelectorAll('#company-table th')) {
      header.addEventListener('click', () => sortCompany(header));
    }
    $('#evaluate-run').addEventListener('click', evaluate);
    $('#evaluate-copy').addEventListener('click', copyReport);
    $('#shortlist-run').addEventListener('click', scoreShortlist);
    $('#shortlist-stop').addEventListener('click', () => zeruda.stop());
    $('#shortlist-csv').addEventListener('click', exportShortlist);
    $('#shortlist-names').addEventListener('input', keepShortlistLines);
    $('#shortlist-names').addEventListener('keydown', (event) => {
      // Enter starts a new line; Ctrl+Enter scores.
      if (event.key === 'Enter' && (event.ctrlKey || event.metaKey) && !$('#shortlist-run').disabled) scoreShortlist();
    });
    $('#shortlist-filter').addEventListener('input', () => {
      shortlist.shown = kShownStep;
      showShortlistRows();
    });
    $('#shortlist-more').addEventListener('click', () => {
      shortlist.shown += kShownStep;
      showShortlistRows();
    });
    $('#chart-run').addEventListener('click', showChart);
    $('#month-previous').addEventListener('click', () => stepMonth(-1));
    $('#month-next').addEventListener('click', () => stepMonth(1));
    $('#month-pick').addEventListener('change', (event) => {
      const [year, month] = event.target.value.split('-').map(Number);
      if (year && month) showMonth(year, month);
    });
    $('#opening-run').addEventListener('click', showOpeningDays);
    $('#search-run').addEventListener('click', searchDays);
    $('#personal-start').addEventListener('click', startPersonal);
    $('#personal-stop').addEventListener('click', () => zeruda.stop());
    $('#judge-run').addEventListener('click', judgeName);
    window.addEventListener('hashchange', followAddress);
    wireEnter();
  }

  // Enter (a phone's Go key) in a form's box runs the form, as its button does; not
  // while an input method is still composing, when Enter takes the characters.
  const kFormButtons = {
    'company-form': '#company-start', 'evaluate-form': '#evaluate-run', 'chart-form': '#chart-run',
    'opening-form': '#opening-run', 'personal-form': '#personal-start', 'judge-form': '#judge-run',
  };

  function wireEnter() {
    for (const form of document.querySelectorAll('form')) {
      if (kFormButtons[form.id]) {
        for (const input of form.querySelectorAll('input:not([type="checkbox"])')) input.enterKeyHint = 'go';
      }
      form.addEventListener('submit', (event) => event.preventDefault());
      form.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.isComposing || event.keyCode === 229) return;
        if (event.target.tagName !== 'INPUT' || event.target.type === 'checkbox') return;
        event.preventDefault();
        if (form.id === 'person-form') {
          personChanged();
          return;
        }
        const button = kFormButtons[form.id] && $(kFormButtons[form.id]);
        if (button && !button.disabled) button.click();
      });
    }
  }

  function fillFromPerson(values) {
    $('#chart-form').elements.date.value = values.birth || '';
    if (values.time) $('#chart-form').elements.time.value = values.time;
    $('#personal-form').elements.surname.value = values.surname || '';
  }

  async function start() {
    wire();
    $('#company-form').elements.auto_elements.dispatchEvent(new Event('change'));
    const saved = person.load();
    fillPersonForm(saved.values);
    fillFromPerson(saved.values);
    if (saved.dropped.length) {
      $('#person-summary').before(element('p', `保存的资料中${saved.dropped.join('、')}无效，已丢弃，请重新填写。`,
                                          'hint saved-note'));
    }
    $('#opening-form').elements.from.value = today();
    $('#search-form').elements.from.value = today();
    $('#personal-form').elements.birth.value = today();
    if (location.protocol === 'file:') {
      setStatus('请用网页服务器打开本页（例如在站点目录运行 python3 -m http.server），直接打开文件时浏览器不让它运行。', true);
      return;
    }
    showBaseNotes();
    // Lists and results from the last visit need no module: they come back at once.
    Promise.all([restoreShortlist(), restoreCompany(), restorePersonal()]).then(() => {
      document.documentElement.dataset.restored = 'true';
    });
    try {
      await zeruda.ready;
    } catch (error) {
      setStatus(`载入失败：${error.message || error}`, true);
      return;
    }
    // The blocks a company run reads set off as soon as the module is in, while the
    // first screen is drawn: on a slow link they would otherwise start only once the
    // page is usable, and a run could not start for more than a second after that.
    const runData = zeruda.preload('generate').catch(() => {});
    await personChanged();
    const now = new Date();
    await showMonth(now.getFullYear(), now.getMonth() + 1);
    setStatus('已就绪：全部计算都在本机浏览器中进行。');
    // For the benchmark and the tests: when, after navigation, the page was usable.
    window.zerudaReadyAt = performance.now();
    document.documentElement.dataset.ready = 'true';
    // Installed for offline use whatever the address asks for; a newer version that
    // installs meanwhile is announced, never mixed into this page. The install also
    // keeps the data the first screen left for later (the naming data, the articles,
    // the verses, the almanac's tables), so every tab works offline after this visit.
    // First what a company run and an evaluation read (a run started before they are
    // in waits for them), then the install, which finds them in the HTTP cache.
    await runData;
    window.zerudaRunDataAt = performance.now();  // for the benchmark
    if (window.zerudaInstall) {
      zerudaInstall(() => { $('#new-version').hidden = false; });
      $('#new-version-load').addEventListener('click', () => location.reload());
    }
    // The almanac's activities need its tables.
    fillSearchActivities();
    followAddress();
  }

  // How much of the module has arrived, until the page is ready.
  window.addEventListener('zeruda-loading', (event) => {
    if (document.documentElement.dataset.ready) return;
    const { loaded, total } = event.detail;
    if (total > 0) setStatus(`正在载入计算模块…… ${Math.min(99, Math.floor((loaded / total) * 100))}%`);
  });

  // Data a tab reads is fetched when it is first needed: the status line says so
  // while it arrives.
  window.addEventListener('zeruda-blocks', (event) => {
    if (!document.documentElement.dataset.ready || $('#status').classList.contains('error')) return;
    setStatus(event.detail.arriving > 0 ? '正在载入所需资料……'
      : '已就绪：全部计算都在本机浏览器中进行。');
  });

  document.addEventListener('DOMContentLoaded', start);
})();
