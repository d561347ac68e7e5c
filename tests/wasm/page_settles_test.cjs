// The page in headless Chromium when it is given what it must refuse or cannot use:
// refusals beside their inputs, a list over its size, values no worker can take,
// workers that fail, a garbled share link and saved values gone bad. Every promise
// settles and the page goes on working.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { launchBrowser, serveSite, openPage } = require('./browser.cjs');

const site = process.env.ZERUDA_WEB_SITE;
let browser;
let server;
let page;
const pageErrors = [];

test.before(async () => {
  server = await serveSite(site);
  browser = await launchBrowser();
  page = await browser.newPage();
  page.on('pageerror', (error) => pageErrors.push(error));
  await page.setViewport({ width: 1280, height: 900 });
  await openPage(page, `${server.origin}/index.html`);
});

test.after(async () => {
  await browser.close();
  await server.stop();
});

const kMoment = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30' };

// The refusal shown beside an input, and whether that input has the focus.
function refusalBeside(selector) {
  return page.$eval(selector, (input) => {
    const note = document.getElementById(input.getAttribute('aria-describedby'));
    return { text: note ? note.textContent : null, focused: document.activeElement === input };
  });
}

test('a refusal is shown beside its input, which takes the focus', async () => {
  const cases = [
    { tab: 'personal', fill: { '#personal-form [name="surname"]': 'abc' }, run: '#personal-start',
      input: '#personal-form [name="surname"]', message: '姓氏：您未输入合法内容！' },
    { tab: 'company', fill: { '#company-form [name="fixed3"]': '华' }, run: '#company-start',
      input: '#company-form [name="fixed3"]', message: '固定字3超出了中间字数（2个字）' },
    // The legal representative's, asked for by a company run: shown on the first tab.
    { tab: 'company', fill: { '#company-form [name="fixed3"]': '', '#person-form [name="surname"]': '' },
      run: '#company-start', input: '#person-form [name="surname"]', message: '请填写公司法人姓,只可输入中文！' },
  ];
  await page.evaluate((stored) => localStorage.setItem('zeruda.person', stored), JSON.stringify(kMoment));
  await openPage(page, `${server.origin}/index.html`);
  for (const { tab, fill, run, input, message } of cases) {
    await page.click(`button[data-tab="${tab}"]`);
    for (const [selector, value] of Object.entries(fill)) {
      await page.$eval(selector, (node, text) => { node.value = text; }, value);
    }
    await page.click(run);
    await page.waitForFunction((selector) => document.querySelector(selector).hasAttribute('aria-invalid'), {}, input);
    assert.deepEqual(await refusalBeside(input), { text: message, focused: true }, tab);
    assert.equal(await page.$eval(input, (node) => node.closest('section').hidden), false, `${input} is shown`);
  }
});

test('a 2 MB shortlist is refused beside the list, and the module answers on', async () => {
  await page.click('button[data-tab="shortlist"]');
  await page.$eval('#shortlist-names', (box) => { box.value = `${'华通金星龍鳳明德远大'.repeat(3)}\n`.repeat(23000); });
  await page.click('#shortlist-run');
  await page.waitForFunction(() => document.querySelector('#shortlist-names').hasAttribute('aria-invalid'));
  assert.deepEqual(await refusalBeside('#shortlist-names'),
                   { text: '名单超过2000000字节，请分批评分', focused: true });
  const grids = await page.evaluate(async () => (await zeruda.grids('华通')).grids);
  assert.ok(grids, 'the module still answers');
});

test('every window.zeruda function settles: values no worker can take, wrong arguments, a NUL', async () => {
  const outcomes = await page.evaluate(async (moment) => {
    const settled = (promise) => promise.then((value) => ({ resolved: value }), (error) => ({ rejected: String(error.message) }));
    const outcome = {
      functionInRequest: await settled(zeruda.generate({ ...moment, count: 3, seed: 1, note: () => 1 })),
      bigIntInRequest: await settled(zeruda.generate({ ...moment, count: 3, seed: 1n })),
      nullOptions: await settled(zeruda.generate({ ...moment, count: 3 }, null)),
      nullCsv: await settled(zeruda.resultCsv(null)),
      nulCsv: await settled(zeruda.resultCsv([['1', '成都华\u0000通科技有限公司', '华\u0000通', '1', '1', '金', '☆'],
                                              ['2', '成都金星科技有限公司', '金星', '1', '1', '金', '☆']])),
      throwingOnRows: await settled(zeruda.generate({ ...moment, count: 50, seed: 2 },
                                                    { onRows: () => { throw new Error('mine'); } })),
    };
    outcome.runningAfter = zeruda.running;
    outcome.nextRun = (await settled(zeruda.generate({ ...moment, count: 2, seed: 3 }))).resolved.length;
    return outcome;
  }, kMoment);
  assert.equal(outcomes.functionInRequest.resolved.length, 3);
  assert.ok(outcomes.bigIntInRequest.rejected);
  assert.ok(outcomes.nullOptions.rejected);
  assert.ok(outcomes.nullCsv.rejected);
  assert.match(outcomes.nulCsv.resolved, /华\u0000通[^]*成都金星科技有限公司/);
  assert.equal(outcomes.throwingOnRows.rejected, 'mine');
  assert.equal(outcomes.runningAfter, false);
  assert.equal(outcomes.nextRun, 2);
});

test('a worker that cannot load, or fails in its run, rejects the run; the next run works', async () => {
  const failing = await browser.newPage();
  failing.on('pageerror', (error) => pageErrors.push(error));
  // The first worker the page starts (its spare) points at a script that is not there;
  // the next one is sent a message it cannot read.
  await failing.evaluateOnNewDocument(() => {
    const RealWorker = window.Worker;
    let made = 0;
    window.Worker = function (url) {
      made += 1;
      if (made === 1) return new RealWorker('no-such-worker.js');
      const worker = new RealWorker(url);
      if (made === 2) worker.postMessage = () => RealWorker.prototype.postMessage.call(worker, null);
      return worker;
    };
  });
  await openPage(failing, `${server.origin}/index.html`);
  const outcomes = await failing.evaluate(async (moment) => {
    const settled = (promise) => promise.then((value) => ({ resolved: value.length }),
                                              (error) => ({ rejected: String(error.message) }));
    const notLoaded = await settled(zeruda.generate({ ...moment, count: 2, seed: 1 }));
    const failedRun = await settled(zeruda.generate({ ...moment, count: 2, seed: 1 }));
    const running = zeruda.running;
    const working = await settled(zeruda.generate({ ...moment, count: 2, seed: 1 }));
    return { notLoaded, failedRun, running, working };
  }, kMoment);
  await failing.close();
  assert.match(outcomes.notLoaded.rejected, /后台线程未能载入/);
  assert.match(outcomes.failedRun.rejected, /后台线程出错/);
  assert.equal(outcomes.running, false);
  assert.deepEqual(outcomes.working, { resolved: 2 });
});

test('a garbled share link opens the page with a message, and the site is still installed', async () => {
  await page.goto('about:blank');
  await openPage(page, `${server.origin}/index.html#evaluate=%E5%8D%8E%E9%80%9A%`);
  assert.equal(await page.$eval('#evaluate', (section) => section.hidden), false);
  assert.match(await page.$eval('#evaluate-report', (node) => node.textContent), /分享链接不完整或已损坏/);
  assert.equal(await page.evaluate(async () => Boolean(await navigator.serviceWorker.ready)), true);
});

test('saved values are checked when read back: a bad or oversized one is dropped with a note', async () => {
  await page.evaluate(() => localStorage.setItem('zeruda.person',
    JSON.stringify({ surname: '张', birth: { x: 1 }, given: '伟'.repeat(1000000), time: '08:30' })));
  await openPage(page, `${server.origin}/index.html`);
  const form = await page.$eval('#person-form', (node) => ({
    surname: node.elements.surname.value, given: node.elements.given.value, birth: node.elements.birth.value,
  }));
  assert.deepEqual(form, { surname: '张', given: '', birth: '' });
  assert.match(await page.$eval('.saved-note', (node) => node.textContent), /名、出生日期无效/);
  const kept = await page.evaluate(() => localStorage.getItem('zeruda.person'));
  assert.ok(kept.length < 200, `saved again: ${kept.length} characters`);
});

test('nothing on the page threw', () => {
  assert.deepEqual(pageErrors.map(String), []);
});
