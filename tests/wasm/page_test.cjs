// The page in headless Chromium, served by python3 -m http.server: what a person does
// with it, on a desktop and on a phone, and that it asks nothing of any other host and
// opens again with the server gone.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { launchBrowser, serveSite, openPage } = require('./browser.cjs');
const { runCli } = require('./cli.cjs');

const site = process.env.ZERUDA_WEB_SITE;
let browser;
let server;
let page;
const requests = [];

test.before(async () => {
  server = await serveSite(site);
  browser = await launchBrowser();
  page = await browser.newPage();
  // Every request of the page and of its workers.
  browser.on('targetcreated', async (target) => {
    const session = await target.createCDPSession().catch(() => null);
    if (!session) return;
    session.on('Network.requestWillBeSent', (event) => requests.push(event.request.url));
    await session.send('Network.enable').catch(() => {});
  });
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => { throw error; });
  await page.setViewport({ width: 1280, height: 900 });
  await openPage(page, `${server.origin}/index.html`);
});

test.after(async () => {
  await browser.close();
  await server.stop();
});

const visibleText = (selector) => page.$eval(selector, (node) => node.textContent);

async function fillPerson() {
  await page.click('button[data-tab="person"]');
  await page.type('#person-form [name="surname"]', '张');
  await page.type('#person-form [name="given"]', '伟');
  // Typed the way people write dates; the page reads it as 1985-06-15.
  await page.type('#person-form [name="birth"]', '1985年6月15日');
  await page.$eval('#person-form [name="time"]', (input) => { input.value = '08:30'; });
  await page.$eval('#person-form [name="time"]', (input) => input.dispatchEvent(new Event('change', { bubbles: true })));
  await page.waitForFunction(() => document.querySelector('#person-summary dl'));
}

async function setField(selector, value) {
  await page.$eval(selector, (input, text) => { input.value = text; }, value);
}

test('the form filled, a seeded generation lists the command line\'s rows', async () => {
  await fillPerson();
  assert.match(await visibleText('#person-summary'), /吉数/);
  await page.click('button[data-tab="company"]');
  await setField('#company-form [name="count"]', '40');
  await setField('#company-form [name="seed"]', '99');
  await page.select('#company-form [name="length"]', '3');
  await page.click('#company-start');
  await page.waitForFunction(() => document.querySelector('#company-count').textContent.startsWith('完成'));
  const shown = await page.$$eval('#company-table tbody tr', (rows) =>
    rows.map((row) => [...row.cells].map((cell) => (cell.querySelector('.body') || cell).textContent)));
  const cli = await runCli(['generate', '--surname', '张', '--given', '伟', '--birth', '1985-06-15',
                            '--time', '08:30', '--length', '3', '--auto-elements', '--count', '40',
                            '--seed', '99', '--json']);
  assert.ok(cli.ok, cli.err);
  const listed = JSON.parse(cli.out);
  const expected = listed.map((row) => [row.sequence, row.full_name, row.body,
    row.written_strokes, row.kangxi_strokes, row.elements, row.stars].map(String));
  assert.deepEqual(shown, expected);
  // Under the first 字号: its reading, each character's meaning, warnings and star count.
  const facts = await page.$eval('#company-table tbody tr', (row) =>
    [...row.cells[2].querySelectorAll('.name-facts p')].map((line) => [line.className, line.textContent]));
  const first = listed[0];
  const lines = Object.fromEntries(facts.filter(([kind]) => kind && kind !== 'warning'));
  assert.equal(lines.pinyin, first.pinyin);
  assert.ok(first.meanings.every((meaning) => facts.some(([, text]) => text.includes(meaning))), first.body);
  assert.deepEqual(facts.filter(([kind]) => kind === 'warning').map(([, text]) => text), first.warnings);
  assert.ok(lines.stars.includes(`= ${first.star_parts.sum}`), lines.stars);

  // 导出详细CSV saves the command line's --rich-csv of the same run.
  const saved = await page.evaluate(() => new Promise((resolve) => {
    const create = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      URL.createObjectURL = create;
      blob.text().then(resolve);
      return create(blob);
    };
    document.querySelector('#company-rich-csv').click();
  }));
  const richFile = path.join(os.tmpdir(), `zeruda-page-${process.pid}.csv`);
  const rich = await runCli(['generate', '--surname', '张', '--given', '伟', '--birth', '1985-06-15',
                             '--time', '08:30', '--length', '3', '--auto-elements', '--count', '40',
                             '--seed', '99', '--rich-csv', richFile]);
  assert.ok(rich.ok, rich.err);
  const expectedRich = new TextDecoder('gbk').decode(fs.readFileSync(richFile));
  fs.rmSync(richFile);
  // Blob.text() reads UTF-8 and drops the byte-order mark the page puts first.
  assert.equal(saved.replace(/^\uFEFF/, ''), expectedRich);
});

test('the road chosen on the form is the command line\'s --road', async () => {
  await page.click('button[data-tab="company"]');
  await setField('#company-form [name="count"]', '20');
  await setField('#company-form [name="seed"]', '99');
  await page.select('#company-form [name="length"]', '2');
  await page.select('#company-form [name="road"]', 'pool');
  await page.click('#company-start');
  await page.waitForFunction(() => document.querySelector('#company-count').textContent.startsWith('完成'));
  const shown = await page.$$eval('#company-table tbody tr', (rows) => rows.map((row) => row.cells[2].querySelector('.body').textContent));
  const cli = await runCli(['generate', '--surname', '张', '--given', '伟', '--birth', '1985-06-15',
                            '--time', '08:30', '--length', '2', '--auto-elements', '--count', '20',
                            '--seed', '99', '--road', 'pool', '--json']);
  assert.ok(cli.ok, cli.err);
  assert.deepEqual(shown, JSON.parse(cli.out).map((row) => row.body));
  await page.select('#company-form [name="road"]', 'words');
});

test('a generation stops at once and keeps its rows; the next one runs', async () => {
  // With the buttons: stopped before its worker has begun.
  await page.click('button[data-tab="company"]');
  await setField('#company-form [name="count"]', '2000');
  await page.evaluate(() => {
    document.querySelector('#company-start').click();
    document.querySelector('#company-stop').click();
  });
  await page.waitForFunction(() => document.querySelector('#company-count').textContent.startsWith('已停止'));
  assert.equal(await page.$eval('#company-start', (button) => button.disabled), false);
  // With window.zeruda: stopped when its first rows arrive, which it keeps.
  const [stopped, kept] = await page.evaluate(async () => {
    const result = await zeruda.generate({ surname: '张', given: '伟', birth: '1985-06-15', time: '08:30',
                                           count: 2000, seed: 11 }, { onRows: () => zeruda.stop() });
    return [result.stopped, result.rows.length];
  });
  assert.equal(stopped, true);
  assert.ok(kept > 0 && kept < 2000, `${kept} rows kept`);
  await setField('#company-form [name="count"]', '10');
  await page.click('#company-start');
  await page.waitForFunction(() => document.querySelector('#company-count').textContent.startsWith('完成'));
  assert.equal(await page.$$eval('#company-table tbody tr', (rows) => rows.length), 10);
});

test('a row opens its evaluation: the report and the five-grid diagram', async () => {
  const body = await page.$eval('#company-table tbody tr', (row) => row.cells[2].querySelector('.body').textContent);
  await page.click('#company-table tbody tr');
  await page.waitForFunction(() => document.querySelector('#evaluate-diagram svg'));
  assert.equal(await page.$eval('#evaluate', (section) => section.hidden), false);
  const report = await page.$eval('#evaluate-report', (node) => node.dataset.text);
  const base = await page.$eval('#person-summary dl dd:nth-of-type(7)', (cell) => cell.textContent);
  const cli = await runCli(['report', body, '--base', base]);
  assert.equal(report, cli.out);
});

test('index.html#evaluate=BODY opens the evaluation of BODY', async () => {
  await openPage(page, `${server.origin}/index.html#evaluate=${encodeURIComponent('华通')}`);
  await page.waitForFunction(() => document.querySelector('#evaluate-report').textContent.includes('华通'));
  assert.equal(await page.$eval('#evaluate', (section) => section.hidden), false);
  assert.ok(await page.$('#evaluate-diagram svg'));
});

test('window.zeruda answers as the command line', async () => {
  const answers = await page.evaluate(async () => ({
    grids: await zeruda.grids('华通'),
    chart: await zeruda.chart('1985-06-15', '08:30'),
    almanac: await zeruda.almanac('2027-01-05'),
    openingDays: await zeruda.openingDays('2027-01-01', 30, '1985-06-15', '08:30'),
    score: await zeruda.score(['成都华通科技有限公司', '金星'], 3),
    rate: await zeruda.rate('华通', 3),
    report: await zeruda.report('华通', '成都', '科技有限公司', 3),
    month: await zeruda.month(2014, 10),
    personal: await zeruda.personal({ surname: '王', gender: '男', birth: '2024-03-08', time: '10:15',
                                      length: 2, count: 30, seed: 5 }),
    name: await zeruda.name('李', '清扬', '女', '2024-03-10', '10:00'),
  }));
  const expected = {
    grids: ['grids', '华通', '--json'],
    chart: ['chart', '1985-06-15', '08:30', '--json'],
    almanac: ['almanac', '2027-01-05', '--json'],
    openingDays: ['opening-days', '--from', '2027-01-01', '--days', '30', '--birth', '1985-06-15',
                  '--time', '08:30', '--json'],
    score: ['score', '-', '--base', '3', '--json'],
    rate: ['rate', '华通', '--base', '3'],
    report: ['report', '华通', '--prefix', '成都', '--suffix', '科技有限公司', '--base', '3'],
    month: ['month', '2014-10'],
    personal: ['personal', '--surname', '王', '--gender', '男', '--birth', '2024-03-08', '--time', '10:15',
               '--length', '2', '--count', '30', '--seed', '5', '--json'],
    name: ['name', '李', '清扬', '--gender', '女', '--birth', '2024-03-10', '--time', '10:00', '--json'],
  };
  for (const [name, args] of Object.entries(expected)) {
    const run = await runCli(args, name === 'score' ? '成都华通科技有限公司\n金星\n' : undefined);
    assert.ok(run.ok, `${name}: ${run.err}`);
    const wanted = args.includes('--json') ? JSON.parse(run.out) : run.out;
    assert.deepEqual(answers[name], wanted, name);
  }
});

// The 测名 tab's facts as {term: text}.
const judgeFacts = () => page.$$eval('#judge-facts dt', (terms) =>
  Object.fromEntries(terms.map((term) => [term.textContent, term.nextElementSibling.textContent])));

test('测名: Enter shows a name\'s report with its source and how its stars were counted; a 谐音 is warned; a bad given name is refused beside its box', async () => {
  await page.click('button[data-tab="judge"]');
  await setField('#judge-form [name="surname"]', '李');
  await setField('#judge-form [name="given"]', '清扬');
  await page.select('#judge-form [name="gender"]', '女');
  await setField('#judge-form [name="birth"]', '2024-03-10');
  await setField('#judge-form [name="time"]', '10:00');
  await page.focus('#judge-form [name="given"]');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#judge-facts dd'));
  const run = await runCli(['name', '李', '清扬', '--gender', '女', '--birth', '2024-03-10', '--time', '10:00', '--json']);
  const cli = JSON.parse(run.out);
  let facts = await judgeFacts();
  assert.equal(facts['姓名'], `李清扬（${cli.pinyin}）`);
  assert.equal(facts['声调'], `${cli.tones.join(' ')}（${cli.tone_pattern}）`);
  assert.ok(cli.meanings.every((meaning) => facts['字义'].includes(meaning)), facts['字义']);
  assert.equal(facts['出处'], `《诗经·${cli.source.title}》（先秦·佚名）：${cli.source.text}`);
  assert.equal(facts['星级'], '☆'.repeat(cli.stars));
  const parts = cli.star_parts;
  assert.ok(facts['星级算法'].startsWith(`基数 ${parts.base} + 三才 ${parts.talents} + 五格 ${parts.grids.join('+')}`) &&
            facts['星级算法'].includes(`= ${parts.sum}，四舍五入为 ${parts.rounded}`), facts['星级算法']);
  assert.match(facts['五格'], new RegExp(`^天格${cli.grids[0]} `));

  await setField('#judge-form [name="surname"]', '杜');
  await setField('#judge-form [name="given"]', '子腾');
  await setField('#judge-form [name="birth"]', '');
  await setField('#judge-form [name="time"]', '');
  await page.click('#judge-run');
  await page.waitForFunction(() => document.querySelector('#judge-warnings').textContent.includes('肚子疼'));
  facts = await judgeFacts();
  assert.match(facts['姓名'], /^杜子腾/);
  assert.equal(facts['星级算法'], undefined, 'no stars without a birth');

  await setField('#judge-form [name="given"]', 'ab');
  await page.click('#judge-run');
  await page.waitForSelector('#judge-form .field-message');
  assert.equal(await visibleText('#judge-form .field-message'), '名字：您未输入合法内容！');
  assert.equal(await page.evaluate(() => document.activeElement.name), 'given');
  assert.match(await visibleText('#judge-facts'), /^姓名杜子腾/, 'the last report stays shown');
});

test('宝宝取名: under each name its pinyin, meanings, source and star count, as the command line\'s JSON gives them', async () => {
  await page.click('button[data-tab="personal"]');
  await setField('#personal-form [name="surname"]', '王');
  await setField('#personal-form [name="birth"]', '2024-03-08');
  await setField('#personal-form [name="time"]', '10:15');
  await setField('#personal-form [name="count"]', '20');
  await setField('#personal-form [name="seed"]', '5');
  await setField('#personal-form [name="level"]', '5');
  await page.click('#personal-start');
  await page.waitForFunction(() => document.querySelector('#personal-count').textContent.startsWith('完成'));
  const shown = await page.$$eval('#personal-names li', (items) => items.map((item) =>
    [...item.querySelectorAll('.name-facts p')].map((line) => [line.className, line.textContent])));
  const run = await runCli(['personal', '--surname', '王', '--gender', '男', '--birth', '2024-03-08', '--time', '10:15',
                            '--length', '2', '--count', '20', '--seed', '5', '--level', '5', '--json']);
  assert.ok(run.ok, run.err);
  const rows = JSON.parse(run.out).rows;
  assert.equal(shown.length, rows.length);
  rows.forEach((row, i) => {
    const lines = Object.fromEntries(shown[i].filter(([kind]) => kind));
    assert.equal(lines.pinyin, row.pinyin);
    assert.ok(row.source, row.name);  // the verse road's names all stand in a verse
    assert.equal(lines.source, `${row.source.text}——《${row.source.book}·${row.source.title}》${row.source.dynasty}·${row.source.author}`);
    assert.ok(row.meanings.every((meaning) => shown[i].some(([, text]) => text.includes(meaning))), row.name);
    assert.ok(lines.stars.includes(`= ${row.star_parts.sum}`), lines.stars);
  });
  // The 推荐 names carry the same lines as their rows.
  const picks = await page.$$eval('#personal-recommended li', (items) => items.map((item) =>
    [item.querySelector('.name')?.textContent, item.querySelector('.name-facts p.pinyin')?.textContent]));
  assert.ok(picks.length > 0);
  for (const [name, pinyin] of picks) {
    assert.equal(pinyin, rows.find((row) => name.startsWith(row.name)).pinyin, name);
  }
  await setField('#personal-form [name="level"]', '');
});

test('the month view marks today, terms and festivals; a day names its lunar day; a month out of range is refused', async () => {
  await page.click('button[data-tab="calendar"]');
  const today = await page.evaluate(() => {
    const now = new Date();
    return `${now.getFullYear()}-${String(now.getMonth() + 1).padStart(2, '0')}-${String(now.getDate()).padStart(2, '0')}`;
  });
  const marked = (kind) => page.$$eval(`#month-grid td.${kind}`, (cells) => cells.map((cell) => cell.dataset.date));
  assert.deepEqual(await marked('today'), [today]);
  const pickMonth = async (month) => {
    await page.$eval('#month-pick', (input, value) => {
      input.value = value;
      input.dispatchEvent(new Event('change', { bubbles: true }));
    }, month);
  };
  await pickMonth('2027-02');
  await page.waitForFunction(() => document.querySelector('#month-grid td[data-date="2027-02-01"]'));
  assert.deepEqual(await marked('term'), ['2027-02-04', '2027-02-19']);
  assert.deepEqual(await marked('festival'), ['2027-02-05', '2027-02-06', '2027-02-20']);
  assert.equal(await visibleText('#month-grid td[data-date="2027-02-06"] .lunar'), '春节');

  await pickMonth('2026-12');
  await page.waitForFunction(() => document.querySelector('#month-grid td[data-date="2026-12-15"]'));
  assert.deepEqual(await marked('term'), ['2026-12-07', '2026-12-22']);
  await page.click('#month-grid td[data-date="2026-12-15"]');
  await page.waitForFunction(() => document.querySelector('#day-view table.hours'));
  const day = await visibleText('#day-view');
  assert.match(day, /农历冬月初七/);
  const cli = JSON.parse((await runCli(['almanac', '2026-12-15', '--json'])).out);
  assert.ok(day.includes(`冲${cli.chong_animal}(${cli.chong_pillar})　煞${cli.sha}`));
  assert.ok(day.includes(cli.pengzu.join('　')));
  assert.equal(await page.$$eval('#day-view table.hours td', (cells) => cells.length), 36);

  // The core refuses the month; the grid and the month box stay on December 2026.
  await pickMonth('2049-01');
  await page.waitForFunction(() => document.querySelector('#day-view .message'));
  assert.match(await visibleText('#day-view'), /1901年2月至2048年12月/);
  assert.equal(await page.$eval('#month-pick', (input) => input.value), '2026-12');
  assert.ok(await page.$('#month-grid td[data-date="2026-12-15"]'));
});

test('opening days show weekday, lucky hours and cautions, and the days left out with their notes', async () => {
  await page.click('button[data-tab="calendar"]');
  await setField('#opening-form [name="from"]', '2027-01-01');
  await page.select('#opening-form [name="days"]', '30');
  await page.click('#opening-run');
  await page.waitForFunction(() => document.querySelector('#opening-left-out p'));
  const cli = JSON.parse((await runCli(['opening-days', '--from', '2027-01-01', '--days', '30', '--birth',
                                        '1985-06-15', '--time', '08:30', '--json'])).out);
  const shown = await page.$$eval('#opening-days li', (items) => items.map((item) => item.textContent));
  assert.equal(shown.length, cli.length);
  assert.ok(cli.some((day) => day.cautions.length > 0));
  cli.forEach((day, i) => {
    const hours = day.lucky_hours.map((hour) => hour.branch).join('、');
    assert.ok(shown[i].startsWith(`${day.date}　${day.weekday}　${day.officer}日`), shown[i]);
    assert.ok(shown[i].includes(`吉时：${hours}`), shown[i]);
    if (day.cautions.length > 0) assert.ok(shown[i].endsWith(`留意：${day.cautions.join('；')}`), shown[i]);
  });
  assert.match(await visibleText('#opening-left-out'), /2027-01-04　.*冲法人生年之丑，不取/);
});

test('at phone size nothing scrolls sideways, on any tab', async () => {
  await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  await openPage(page, `${server.origin}/index.html#evaluate=${encodeURIComponent('华通')}`);
  await page.waitForFunction(() => document.querySelector('#evaluate-diagram svg'));
  const tabs = await page.$$eval('#tabs button', (buttons) => buttons.map((button) => button.dataset.tab));
  for (const tab of tabs) {
    await page.click(`button[data-tab="${tab}"]`);
    if (tab === 'library') await page.waitForSelector('#article-list li a').then((link) => link.click());
    if (tab === 'chart') await page.click('#chart-run');
    if (tab === 'judge') {
      await setField('#judge-form [name="surname"]', '欧阳');
      await setField('#judge-form [name="given"]', '修文');
      await setField('#judge-form [name="birth"]', '2024-03-10');
      await setField('#judge-form [name="time"]', '10:00');
      await page.click('#judge-run');
      await page.waitForSelector('#judge-facts dd');
    }
    await new Promise((resolve) => setTimeout(resolve, 300));
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= 390, `${tab}: the page is ${width} pixels wide`);
  }
  await page.setViewport({ width: 1280, height: 900 });
});

test('nothing is asked of any host but the page\'s own', () => {
  assert.ok(requests.length > 0);
  const foreign = requests.filter((url) => !url.startsWith(`${server.origin}/`) &&
                                           !url.startsWith('data:') && !url.startsWith('blob:'));
  assert.deepEqual(foreign, []);
});

test('the page can be installed on a home screen', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const session = await page.target().createCDPSession();
  const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  await session.detach();
});

test('a first visit asks for no data block before the module is in; a company run\'s blocks come next', async () => {
  const context = await browser.createBrowserContext();
  try {
    const fresh = await context.newPage();
    await openPage(fresh, `${server.origin}/index.html`);
    await fresh.waitForFunction(() => window.zerudaRunDataAt);
    const { ready, blocks } = await fresh.evaluate(() => ({
      ready: performance.getEntriesByType('resource').find((entry) => /\.wasm$/.test(entry.name)).responseEnd,
      blocks: performance.getEntriesByType('resource').filter((entry) => /\.bin$/.test(entry.name))
        .map((entry) => ({ name: new URL(entry.name).pathname.replace(/^\/(k[A-Za-z]+)\..*$/, '$1'),
                           asked: entry.startTime })),
    }));
    for (const block of blocks) assert.ok(block.asked >= ready, `${block.name} before the module was in`);
    const asked = new Set(blocks.map((block) => block.name));
    for (const block of ['kFamousNames', 'kStrokeCounts', 'kNamingReadings']) assert.ok(asked.has(block), block);
    // The library's articles wait for their tab.
    assert.ok(!asked.has('kArticleSources'));
  } finally {
    await context.close();
  }
});

test('after the first visit the page opens with the server gone', async () => {
  await server.stop();
  await openPage(page, `${server.origin}/index.html`);
  assert.equal(await page.evaluate(async () => zeruda.month(2014, 10)),
               (await runCli(['month', '2014-10'])).out);
  const rows = await page.evaluate(async () => (await zeruda.generate({
    surname: '张', given: '伟', birth: '1985-06-15', time: '08:30', count: 5, seed: 3 })).length);
  assert.equal(rows, 5);
  // What the first screen left for later came with the install: the library, the
  // almanac and a child's names answer offline in this fresh page too.
  const offline = await page.evaluate(async () => {
    const list = await zeruda.articles();
    return {
      article: (await zeruda.article(list[0].id)).title === list[0].title,
      almanac: await zeruda.almanac('2027-01-05'),
      personal: (await zeruda.personal({ surname: '王', gender: '男', birth: '2024-03-08', time: '10:15',
                                         length: 2, count: 30, seed: 5 })).rows.length,
    };
  });
  assert.deepEqual(offline, { article: true, almanac: JSON.parse((await runCli(['almanac', '2027-01-05', '--json'])).out),
                              personal: 30 });
});

test('opened from the file system it says how to open it', async () => {
  await page.goto(`file://${path.resolve(site, 'index.html')}`, { waitUntil: 'load' });
  assert.match(await visibleText('#status'), /网页服务器/);
});
