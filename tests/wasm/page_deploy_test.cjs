// The site as it is deployed: no context of the page reaches another host, and a
// new version reaches a returning user whole under a plain static server.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const { launchBrowser, serveSite, openPage } = require('./browser.cjs');

const site = process.env.ZERUDA_WEB_SITE;
const root = path.resolve(__dirname, '../..');
// The module as the build made it, before the site named it after its content.
const moduleDir = process.env.ZERUDA_WEB_MODULE || path.join(site, '../wasm/src/wasm');
const kRequest = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30', prefix: '成都',
                   suffix: '科技有限公司', length: 2, count: 3, seed: 7 };
let browser;

test.before(async () => { browser = await launchBrowser(); });
test.after(async () => { await browser.close(); });

// The page's run worker (loaded) and its service worker, as puppeteer reaches them.
async function workersOf(page, origin) {
  await page.evaluate((request) => zeruda.generate(request), kRequest);
  const run = page.workers().find((worker) => /\/worker\.[0-9a-f]{12}\.js$/.test(worker.url()));
  await page.evaluate(() => navigator.serviceWorker.ready);
  const target = await browser.waitForTarget((t) => t.type() === 'service_worker' && t.url().startsWith(origin));
  return { run, service: await target.worker() };
}

// What each way to reach `url` gives in the context it is evaluated in: 'reached',
// or the message of the refusal.
const kReach = async (url) => {
  const outcome = (promise) => promise.then(() => 'reached', (error) => String(error && error.message));
  const result = { fetch: await outcome(fetch(url, { mode: 'cors' }).then((r) => r.text())) };
  if (typeof XMLHttpRequest === 'function') {
    result.xhr = await outcome(new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.onload = resolve;
      request.onerror = reject;
      request.open('GET', url);
      request.send();
    }));
  }
  if (typeof importScripts === 'function') {
    try {
      importScripts(url);
      result.importScripts = 'reached';
    } catch (error) {
      result.importScripts = String(error && error.message);
    }
  }
  return result;
};

test('no fetch reaches another loopback port: not from the page, its run worker or its service worker', async () => {
  // A host that would answer anyone, even across origins.
  let asked = 0;
  const other = http.createServer((request, response) => {
    asked += 1;
    response.writeHead(200, { 'Access-Control-Allow-Origin': '*', 'Content-Type': 'text/javascript' }).end('1');
  });
  await new Promise((resolve) => other.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${other.address().port}/`;
  const server = await serveSite(site);
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await openPage(page, `${server.origin}/index.html`);
    const { run, service } = await workersOf(page, server.origin);
    assert.ok(run, 'the run worker is found');
    const kEach = (url) => `(${kReach})(${JSON.stringify(url)})`;
    const pageOutcomes = await page.evaluate(kEach(url));
    assert.deepEqual(Object.keys(pageOutcomes), ['fetch', 'xhr']);
    for (const [how, outcome] of Object.entries(pageOutcomes)) assert.notEqual(outcome, 'reached', `the page by ${how}`);
    // The workers refuse by themselves, before the request would reach the service
    // worker (which answers other origins with an error too) or the network.
    const kOwnRefusal = /本线程只读本站自己的文件/;
    const inWorkers = { 'the run worker': [run, ['fetch', 'xhr', 'importScripts']],
                        'the service worker': [service, ['fetch', 'importScripts']] };
    for (const [where, [worker, ways]] of Object.entries(inWorkers)) {
      const outcomes = await worker.evaluate(kEach(url));
      assert.deepEqual(Object.keys(outcomes), ways, where);
      for (const how of ways) assert.match(outcomes[how], kOwnRefusal, `${where} by ${how}`);
    }
    // Its own origin the service worker still serves.
    assert.equal(await service.evaluate(() => fetch('manifest.webmanifest').then((r) => r.ok)), true);
    assert.equal(asked, 0, 'the other host was never asked');
  } finally {
    await context.close();
    await server.stop();
    other.close();
  }
});

// ---- an update under a plain static server ------------------------------------

// A site written as the build writes it, from `pages` and `modules`.
function writeSite(pages, modules, into) {
  execFileSync('cmake', [`-DPAGE_DIR=${pages}`, `-DMODULE_DIR=${modules}`, `-DSITE_DIR=${into}`,
                         `-DDEFERRED_DIR=${path.join(moduleDir, '../../deferred')}`, '-P', path.join(root, 'cmake/WebSite.cmake')]);
  return JSON.parse(fs.readFileSync(path.join(into, 'site-files.json'), 'utf8'));
}

// The second version: every script and the style sheet changed by a comment, the
// module by a custom section (which a module may carry anywhere at its end).
function secondVersion(scratch) {
  const pages = path.join(scratch, 'page2');
  const modules = path.join(scratch, 'module2');
  fs.cpSync(path.join(root, 'src/wasm/page'), pages, { recursive: true });
  fs.mkdirSync(modules);
  for (const name of ['zeruda.js', 'zeruda.wasm']) fs.copyFileSync(path.join(moduleDir, name), path.join(modules, name));
  for (const name of ['page.js', 'worker.js', 'zeruda-calls.js', 'zeruda-api.js', 'network-guard.js',
                      'install.js', 'styles.css']) {
    fs.appendFileSync(path.join(pages, name), '\n/* the second version */\n');
  }
  const label = Buffer.from('v2');
  fs.appendFileSync(path.join(modules, 'zeruda.wasm'), Buffer.from([0, label.length + 1, label.length, ...label]));
  return { pages, modules };
}

const deploy = (from, to) => {
  for (const name of fs.readdirSync(to)) fs.rmSync(path.join(to, name), { recursive: true });
  fs.cpSync(from, to, { recursive: true });
};

// The site's files (by their hashed names) a context loaded.
const loaded = () => performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1))
  .filter((name) => /\.[0-9a-f]{12}\./.test(name));

test('a new version deployed under a plain static server reaches a returning user whole on the next visit; a tab open before stays whole', async () => {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zeruda-deploy-'));
  const live = path.join(scratch, 'live');
  fs.mkdirSync(live);
  const second = secondVersion(scratch);
  const one = writeSite(path.join(root, 'src/wasm/page'), moduleDir, path.join(scratch, 'v1'));
  const two = writeSite(second.pages, second.modules, path.join(scratch, 'v2'));
  const names = (version) => new Set(Object.entries(version).filter(([key]) => key !== 'version').map(([, v]) => v));
  assert.notEqual(one.version, two.version);
  deploy(path.join(scratch, 'v1'), live);
  const server = await serveSite(live);
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await openPage(page, `${server.origin}/index.html`);
    await workersOf(page, server.origin);
    assert.equal(await page.evaluate(() => window.zerudaVersion), one.version);

    deploy(path.join(scratch, 'v2'), live);
    const again = await context.newPage();
    await openPage(again, `${server.origin}/index.html`);
    const { run } = await workersOf(again, server.origin);
    assert.equal(await again.evaluate(() => window.zerudaVersion), two.version, 'the page is the new one');
    const files = [...await again.evaluate(loaded), ...await run.evaluate(loaded)];
    assert.ok(files.length >= 6, files.join(' '));
    for (const file of files) assert.ok(names(two).has(file), `${file} is of the new version`);
    assert.match(run.url(), new RegExp(`/${two['worker.js'].replace(/\./g, '\\.')}$`));
    // The new version is what is kept: with the server gone it opens whole.
    await again.waitForFunction(async (version) => {
      const registration = await navigator.serviceWorker.getRegistration();
      return !registration.installing && !registration.waiting && registration.active.state === 'activated' &&
        caches.has(`zeruda-${version}`);
    }, {}, two.version);
    // The tab opened before stays the first version, whole, and says a new one is in:
    // a run worker it starts afresh is the first version's, from the kept cache (the
    // server has only the second's).
    await page.waitForSelector('#new-version:not([hidden])');
    await page.evaluate(async (request) => {
      const run = zeruda.generate({ ...request, count: 100000 });
      await zeruda.stop();
      await run;
    }, kRequest);
    const { run: oldRun } = await workersOf(page, server.origin);
    assert.equal(await page.evaluate(() => window.zerudaVersion), one.version);
    const oldFiles = [...await page.evaluate(loaded), ...await oldRun.evaluate(loaded)];
    for (const file of oldFiles) assert.ok(names(one).has(file), `${file} is of the first version`);
    assert.match(oldRun.url(), new RegExp(`/${one['worker.js'].replace(/\./g, '\\.')}$`));
    await server.stop();
    await openPage(again, `${server.origin}/index.html`);
    assert.equal(await again.evaluate(() => window.zerudaVersion), two.version, 'offline, the new one');
    for (const file of await again.evaluate(loaded)) assert.ok(names(two).has(file), `${file} offline`);
  } finally {
    await context.close();
    await server.stop();
    fs.rmSync(scratch, { recursive: true, force: true });
  }
});
