// The page in headless Chromium with a long shortlist and the small things a user
// does: 20,000 names scored in the worker, the list and its results (and a
// generation's) back after a reload, a share link with prefix and suffix, Enter
// running a form, a refused generation keeping the last results.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { launchBrowser, serveSite, openPage } = require('./browser.cjs');

const site = process.env.ZERUDA_WEB_SITE;
let browser;
let server;
let page;

test.before(async () => {
  server = await serveSite(site);
  browser = await launchBrowser();
  page = await browser.newPage();
  await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  await openPage(page, `${server.origin}/index.html`);
});

test.after(async () => {
  await browser.close();
  await server.stop();
});

const kMoment = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30' };
const kChars = '华通金星龙凤明德远大海天宏图兴旺昌盛鑫源恒达';

// 20,000 company names of two-character bodies, some of them repeated.
function longList() {
  const lines = [];
  for (let i = 0; i < 20000; ++i) {
    lines.push(`北京${kChars[i % kChars.length]}${kChars[(i * 7 + 3) % kChars.length]}贸易有限公司`);
  }
  return lines.join('\n');
}

// A table's rows once laid out (the shortlist lays its rows out a few at a time).
async function tbodyRows(selector) {
  await page.waitForFunction((table) => !document.querySelector(table).dataset.layingOut, {}, selector);
  return page.$$eval(`${selector} tbody tr`, (rows) => rows.map((row) => row.textContent));
}

// Pasting a list and scoring it, as a user does.
async function scoreLongList() {
  await page.click('button[data-tab="shortlist"]');
  await page.$eval('#shortlist-names', (box, text) => {
    box.value = text;
    box.dispatchEvent(new Event('input'));
  }, longList());
  // The browser lays the pasted text out first; that is its own work, not the scoring's.
  await new Promise((resolve) => setTimeout(resolve, 1000));
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((entry) => Math.round(entry.duration))))
      .observe({ type: 'longtask' });
  });
  await page.click('#shortlist-run');
  await page.waitForFunction(() => document.querySelector('#shortlist-count').textContent.startsWith('完成'),
                             { timeout: 120000 });
  // The last steps (the first page laid out, the results kept) come after the count.
  await tbodyRows('#shortlist-table');
  await new Promise((resolve) => setTimeout(resolve, 500));
  return page.evaluate(() => ({
    longTasks: window.longTasks,
    summary: document.querySelector('#shortlist-summary').textContent,
  }));
}

// Other programs running beside the browser stretch its tasks, so this one runs by
// itself: a ctest entry of its own (ZERUDA_LONG_TASKS=only) that runs alone. On two
// cores the worker's scoring and the browser's own threads still take turns with the
// page's, which now and then stretches a task past 50 ms; a page that held its thread
// would do so on every run, so one clean run of three passes.
const longTasksOnly = process.env.ZERUDA_LONG_TASKS === 'only';

test('20,000 names are scored with no task of the page over 50 ms', { skip: !longTasksOnly }, async () => {
  const runs = [];
  do {
    const run = await scoreLongList();
    assert.match(run.summary, /^共 20000 个/);
    runs.push(run.longTasks);
  } while (runs.at(-1).length > 0 && runs.length < 3);
  assert.deepEqual(runs.at(-1), [], `tasks over 50 ms (Long Tasks API), by run: ${JSON.stringify(runs)}`);
});

test('20,000 names are scored and counted, filtered, and come back after a reload', { skip: longTasksOnly }, async () => {
  const run = await scoreLongList();
  const shown = await tbodyRows('#shortlist-table');
  const counts = run.summary.match(/^共 (\d+) 个：可用 (\d+)，需审批 (\d+)，不可用 (\d+)$/);
  assert.ok(counts, run.summary);
  assert.equal(Number(counts[1]), 20000);
  assert.equal(Number(counts[2]) + Number(counts[3]) + Number(counts[4]), 20000);
  assert.equal(shown.length, 200, 'a page of the list is laid out');

  // The filter keeps names holding the text, and says how many.
  await page.type('#shortlist-filter [name="text"]', '华星');
  const filtered = await tbodyRows('#shortlist-table');
  assert.ok(filtered.length > 0 && filtered.every((row) => row.includes('华星')));
  assert.match(await page.$eval('#shortlist-summary', (node) => node.textContent), /筛选出 \d+ 个$/);
  const first = await tbodyRows('#shortlist-table');
  await page.$eval('#shortlist-filter', (form) => form.reset());
  await page.$eval('#shortlist-filter [name="text"]', (input) => input.dispatchEvent(new Event('input', { bubbles: true })));
  const before = await tbodyRows('#shortlist-table');

  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('html[data-restored="true"]', { timeout: 20000 });
  await page.click('button[data-tab="shortlist"]');
  assert.equal(await page.$eval('#shortlist-names', (box) => box.value), longList());
  assert.deepEqual(await tbodyRows('#shortlist-table'), before);
  assert.equal(await page.$eval('#shortlist-summary', (node) => node.textContent), run.summary);
  assert.notDeepEqual(first, []);
});

test('a shared link carries prefix and suffix; the short form takes the form\'s', { skip: longTasksOnly }, async () => {
  const link = `#evaluate=${encodeURIComponent('华通')}&prefix=${encodeURIComponent('北京')}` +
               `&suffix=${encodeURIComponent('贸易有限公司')}`;
  await openPage(page, `${server.origin}/index.html${link}`);
  await page.waitForFunction(() => document.querySelector('#evaluate-report').textContent.includes('北京华通贸易有限公司'));
  // The evaluation shown gives the same link to share.
  assert.equal(await page.$eval('#evaluate-link', (a) => a.getAttribute('href')), link);
  // The short form is read too, with the prefix and suffix the form holds.
  await openPage(page, `${server.origin}/index.html#evaluate=${encodeURIComponent('金星')}`);
  await page.waitForFunction(() => document.querySelector('#evaluate-report').textContent.includes('北京金星贸易有限公司'));
});

test('Enter runs the form it is pressed in', { skip: longTasksOnly }, async () => {
  await page.click('button[data-tab="evaluate"]');
  await page.$eval('#evaluate-form [name="body"]', (input) => { input.value = ''; });
  await page.type('#evaluate-form [name="body"]', '龙凤');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#evaluate-report').textContent.includes('龙凤'));
  await page.click('button[data-tab="chart"]');
  await page.$eval('#chart-form [name="date"]', (input) => { input.value = ''; });
  await page.type('#chart-form [name="date"]', '1990-01-01');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#chart-facts').textContent.includes('四柱'));
});

test('a refused generation keeps the last results, which a reload brings back', { skip: longTasksOnly }, async () => {
  await page.evaluate((stored) => localStorage.setItem('zeruda.person', stored), JSON.stringify(kMoment));
  await openPage(page, `${server.origin}/index.html`);
  await page.click('button[data-tab="company"]');
  await page.$eval('#company-form [name="count"]', (input) => { input.value = '5'; });
  await page.$eval('#company-form [name="seed"]', (input) => { input.value = '7'; });
  await page.click('#company-start');
  await page.waitForFunction(() => document.querySelector('#company-count').textContent.startsWith('完成'));
  const made = await tbodyRows('#company-table');
  assert.equal(made.length, 5);
  await page.$eval('#company-form [name="fixed3"]', (input) => { input.value = '华'; });
  await page.click('#company-start');
  await page.waitForFunction(() => document.querySelector('#company-form [name="fixed3"]').hasAttribute('aria-invalid'));
  assert.deepEqual(await tbodyRows('#company-table'), made);
  assert.match(await page.$eval('#company-count', (node) => node.textContent), /^完成：5 个名字/);

  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('html[data-restored="true"]', { timeout: 20000 });
  assert.deepEqual(await tbodyRows('#company-table'), made);
});
