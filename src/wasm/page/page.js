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
    if (!person.complete(values)) {
      summary.replaceChildren(element('p', '填好出生日期和时间后，这里显示法人的八字，评分以它为基准。', 'hint'));
      return;
    }
    const chart = await guarded(summary, () => zeruda.chart(values.birth, values.time), $('#person-form'), false);
    if (!chart) return;
    person.base = 5 - [...chart.missing].length;
    const facts = element('dl', undefined, 'facts');
    const add = (term, text) => facts.append(element('dt', term), element('dd', text));
    add('农历', chart.lunar);
    add('四柱', chart.pillars.join(' '));
    add('生肖', chart.zodiac);
    add('五行', chart.elements);
    add('五行缺', chart.missing || '不缺');
    add('喜用神', chart.favourable);
    add('吉数', String(person.base));
    summary.replaceChildren(facts);
    for (const warning of chart.warnings) summary.append(element('p', warning, 'hint'));
  }

  function baseScore() { return person.base === null ? undefined : person.base; }

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

  function companyRow(row) {
    const line = element('tr');
    kCompanyColumns.forEach((key, column) => {
      const cell = element('td', String(row[key]));
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
    $('#company-copy').disabled = running || company.rows.length === 0;
  }

  async function startCompany() {
    const count = $('#company-count');
    clearRefusals($('#company-form'));
    const request = companyRequest();
    company.rows = [];
    company.sortKey = null;
    for (const th of document.querySelectorAll('#company-table th')) th.removeAttribute('aria-sort');
    $('#company-table tbody').replaceChildren();
    count.textContent = '正在生成名字……';
    setCompanyRunning(true);
    const body = $('#company-table tbody');
    const started = performance.now();
    try {
      const result = await zeruda.generate(request, {
        onRows: (rows) => {
          company.rows.push(...rows);
          body.append(...rows.map(companyRow));
          count.textContent = `已生成 ${company.rows.length} 个`;
        },
      });
      const seconds = ((performance.now() - started) / 1000).toFixed(1);
      count.textContent = `${result.stopped ? '已停止' : '完成'}：${company.rows.length} 个名字，` +
        `用时 ${seconds} 秒（种子 ${request.seed}）`;
    } catch (error) {
      count.textContent = '';
      showRefusal($('#company-form'), count, error);
    }
    setCompanyRunning(false);
  }

  async function exportCompany() {
    const csv = await guarded($('#company-count'), () =>
      zeruda.resultCsv(company.rows.map((row) => kCompanyColumns.map((key) => String(row[key])))));
    if (csv === undefined) return;
    // A byte-order mark first: Excel then reads the file as UTF-8.
    download('公司备选名.csv', '\uFEFF' + csv, 'text/csv;charset=utf-8');
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

  async function evaluate() {
    const form = formValues($('#evaluate-form'));
    const report = $('#evaluate-report');
    const diagram = $('#evaluate-diagram');
    const link = $('#evaluate-link');
    $('#evaluate-copy').disabled = true;
    diagram.replaceChildren();
    link.hidden = true;
    const text = await guarded(report, () => zeruda.report(form.body, form.prefix, form.suffix, baseScore()),
                               $('#evaluate-form'));
    if (text === undefined) return;
    report.textContent = text;
    $('#evaluate-copy').disabled = false;
    const svg = await guarded(diagram, () => zeruda.gridSvg(form.body));
    if (svg !== undefined) diagram.innerHTML = svg;
    link.href = `#evaluate=${encodeURIComponent(form.body)}`;
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

  // index.html#evaluate=BODY opens that evaluation: links people can share. A link
  // cut or garbled on its way opens the page all the same, and says so.
  function followAddress() {
    const found = location.hash.match(/^#evaluate=(.+)$/);
    if (!found) return;
    let body;
    try {
      body = decodeURIComponent(found[1]);
    } catch (ignored) {
      showTab('evaluate');
      showMessage($('#evaluate-report'), new Error('这个分享链接不完整或已损坏，无法读出要评测的名字；请在上面输入名字后评测。'));
      return;
    }
    const form = $('#evaluate-form');
    form.elements.body.value = body;
    showTab('evaluate');
    evaluate();
  }

  async function copyReport() {
    const button = $('#evaluate-copy');
    try {
      await navigator.clipboard.writeText($('#evaluate-report').textContent);
      button.textContent = '已复制';
    } catch (ignored) {
      button.textContent = '复制失败';
    }
    setTimeout(() => { button.textContent = '复制评测结果'; }, 2000);
  }

  // ---- shortlist -----------------------------------------------------------------

  async function scoreShortlist() {
    const table = $('#shortlist-table tbody');
    const names = await guarded(table, () => zeruda.score($('#shortlist-names').value, baseScore()),
                                $('#shortlist'));
    if (!names) return;
    table.replaceChildren(...names.map((name) => {
      const line = element('tr');
      const findings = name.findings.map((finding) => `${finding.level}：${finding.reason}`).join('；');
      const score = element('td', name.score === null ? '-' : String(name.score), 'narrow-hide');
      line.append(element('td', name.name), element('td', name.body), element('td', starsText(name.stars)),
                  score, element('td', findings));
      const at = name.body ? name.name.indexOf(name.body) : -1;
      if (at >= 0) {
        line.addEventListener('click', () => openEvaluation(name.body, name.name.slice(0, at),
                                                            name.name.slice(at + name.body.length)));
      }
      return line;
    }));
  }

  // ---- birth chart ---------------------------------------------------------------

  async function showChart() {
    const form = formValues($('#chart-form'));
    const date = String(form.date || '').trim();
    const facts = $('#chart-facts');
    const warnings = $('#chart-warnings');
    warnings.replaceChildren();
    $('#chart-picture').replaceChildren();
    const chart = await guarded(facts, () => zeruda.chart(date, form.time), $('#chart-form'));
    if (!chart) return;
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
    const svg = await guarded($('#chart-picture'), () => zeruda.chartSvg(date, form.time));
    if (svg !== undefined) $('#chart-picture').innerHTML = svg;
  }

  // ---- month view, a day's almanac and the opening days ---------------------------

  const calendarState = { year: 0, month: 0 };

  async function showMonth(year, month) {
    calendarState.year = year;
    calendarState.month = month;
    $('#month-pick').value = `${year}-${String(month).padStart(2, '0')}`;
    const body = $('#month-grid tbody');
    const days = await guarded($('#day-view'), () => zeruda.monthDays(year, month));
    if (!days) return;
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
      cell.append(element('span', String(Number(day.date.slice(8)))), element('span', day.name, 'lunar'));
      cell.addEventListener('click', () => showDay(day.date, cell));
      row.append(cell);
    }
    body.replaceChildren(...rows);
  }

  function stepMonth(step) {
    let { year, month } = calendarState;
    month += step;
    if (month < 1) { month = 12; year -= 1; }
    if (month > 12) { month = 1; year += 1; }
    if (year < 1901 || (year === 1901 && month < 2) || year > 2048) return;
    showMonth(year, month);
  }

  async function showDay(date, cell) {
    for (const chosen of document.querySelectorAll('#month-grid td.chosen')) chosen.classList.remove('chosen');
    if (cell) cell.classList.add('chosen');
    const view = $('#day-view');
    const day = await guarded(view, () => zeruda.almanac(date));
    if (!day) return;
    view.replaceChildren(
      element('p', `${day.date}　农历${day.lunar}　生肖${day.zodiac}`),
      element('p', `${day.pillars.join(' ')}　值日：${day.officer}　纳音：${day.nayin}`),
      element('p', day.yi),
      element('p', day.ji));
    $('#opening-form').elements.from.value = date;
  }

  async function showOpeningDays() {
    const list = $('#opening-days');
    const who = person.current();
    if (!person.complete(who)) {
      showMessage(list, new Error('请先在“法人资料”中填好出生日期和时间。'));
      return;
    }
    const form = formValues($('#opening-form'));
    const days = await guarded(list, () => zeruda.openingDays(form.from, form.days, who.birth, who.time));
    if (!days) return;
    if (days.length === 0) list.replaceChildren(element('li', '这段日子里没有合适的开业日。'));
    else {
      list.replaceChildren(...days.map((day) =>
        element('li', `${day.date}　${day.officer}日　${day.pillars.join(' ')}　${day.reasons.join('；')}`)));
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

  async function startPersonal() {
    const names = $('#personal-names');
    const recommended = $('#personal-recommended');
    const count = $('#personal-count');
    names.replaceChildren();
    recommended.replaceChildren();
    $('#personal-start').disabled = true;
    $('#personal-stop').disabled = false;
    count.textContent = '正在取名……';
    clearRefusals($('#personal-form'));
    let made = 0;
    try {
      const request = personalRequest();
      const result = await zeruda.personal(request, {
        onRows: (rows, piece) => {
          made += rows.length;
          names.append(...rows.map((row) => element('li', `${row.name}[${starsText(row.stars)}]`)));
          recommended.append(...(piece.recommended || []).map((text) => element('li', text)));
          count.textContent = `已取 ${made} 个`;
        },
      });
      count.textContent = `${result.stopped ? '已停止' : '完成'}：${made} 个名字（种子 ${request.seed}）`;
    } catch (error) {
      count.textContent = '';
      showRefusal($('#personal-form'), count, error);
    }
    $('#personal-start').disabled = false;
    $('#personal-stop').disabled = true;
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
    $('#person-forget').addEventListener('click', () => {
      person.forget();
      personForm.reset();
      personChanged();
    });
    $('#company-form').elements.auto_elements.addEventListener('change', (event) => {
      for (const box of $('#company-form').querySelectorAll('input[name="element"]')) box.disabled = event.target.checked;
    });
    $('#company-start').addEventListener('click', startCompany);
    $('#company-stop').addEventListener('click', () => zeruda.stop());
    $('#company-csv').addEventListener('click', exportCompany);
    $('#company-copy').addEventListener('click', copyCompanyNames);
    for (const header of document.querySelectorAll('#company-table th')) {
      header.addEventListener('click', () => sortCompany(header));
    }
    $('#evaluate-run').addEventListener('click', evaluate);
    $('#evaluate-copy').addEventListener('click', copyReport);
    $('#shortlist-run').addEventListener('click', scoreShortlist);
    $('#chart-run').addEventListener('click', showChart);
    $('#month-previous').addEventListener('click', () => stepMonth(-1));
    $('#month-next').addEventListener('click', () => stepMonth(1));
    $('#month-pick').addEventListener('change', (event) => {
      const [year, month] = event.target.value.split('-').map(Number);
      if (year && month) showMonth(year, month);
    });
    $('#opening-run').addEventListener('click', showOpeningDays);
    $('#personal-start').addEventListener('click', startPersonal);
    $('#personal-stop').addEventListener('click', () => zeruda.stop());
    window.addEventListener('hashchange', followAddress);
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
    $('#personal-form').elements.birth.value = today();
    if (location.protocol === 'file:') {
      setStatus('请用网页服务器打开本页（例如在站点目录运行 python3 -m http.server），直接打开文件时浏览器不让它运行。', true);
      return;
    }
    try {
      await zeruda.ready;
    } catch (error) {
      setStatus(`载入失败：${error.message || error}`, true);
      return;
    }
    await personChanged();
    const now = new Date();
    await showMonth(now.getFullYear(), now.getMonth() + 1);
    setStatus('已就绪：全部计算都在本机浏览器中进行。');
    // For the benchmark and the tests: when, after navigation, the page was usable.
    window.zerudaReadyAt = performance.now();
    document.documentElement.dataset.ready = 'true';
    // Installed for offline use whatever the address asks for.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js').catch(() => {});
    followAddress();
  }

  document.addEventListener('DOMContentLoaded', start);
})();
