// The browser edition's module against zeruda-cli on fixed inputs: every page
// function must give what the command line gives for the same input (its --json
// parsed, or its plain text), and refuse what it refuses.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const inputs = require('./inputs.cjs');
const { runCli } = require('./cli.cjs');

const site = process.env.ZERUDA_WEB_SITE;
if (!site || !fs.existsSync(path.join(site, 'site-files.json'))) {
  throw new Error(`no browser edition at '${site}': build it with 'make web'`);
}
// The site's files are named after their content; site-files.json says which is which.
const named = JSON.parse(fs.readFileSync(path.join(site, 'site-files.json'), 'utf8'));
const createModule = require(path.join(site, named['zeruda.js']));
const zerudaCall = require(path.join(site, named['zeruda-calls.js']));

// Runs `work` over `items`, two at a time (the machine's two cores).
async function eachPaired(items, work) {
  let next = 0;
  const lane = async () => {
    while (next < items.length) {
      const index = next++;
      await work(items[index], index);
    }
  };
  await Promise.all([lane(), lane()]);
}

let zeruda;
test.before(async () => {
  zeruda = await createModule({ wasmBinary: fs.readFileSync(path.join(site, named['zeruda.wasm'])) });
});

// The blocks the page would fetch for the call, from the site's files.
const { zerudaNeeds, zerudaBlockFile, zerudaProvide } = zerudaCall;
const blockBytes = (block) => fs.readFileSync(path.join(site, zerudaBlockFile(block)));

// The module's answer, or {refused: message, field}. The module is given only the
// blocks the page gives it for the call: a block missing from the page's list stops
// the call, and the answer then differs from the command line's.
function page(name, request) {
  try {
    for (const block of zerudaNeeds(name)) zerudaProvide(zeruda, block, blockBytes(block));
    return zerudaCall(zeruda, name, request);
  } catch (error) {
    return { refused: error.message, field: error.field };
  }
}

// The module and the command line agree: both refuse, or both give the same answer.
function agree(answer, run, parse, what) {
  if (!run.ok || answer.refused !== undefined) {
    assert.equal(answer.refused !== undefined, !run.ok,
                 `${what}: page ${JSON.stringify(answer)} but command line ${run.err}`);
    return;
  }
  assert.deepEqual(answer, parse(run.out), what);
}
const json = (out) => JSON.parse(out);
const text = (out) => out;

const bodies = inputs.bodies();
const moments = inputs.birthMoments();

test('grids: 200 bodies as grids --json gives them', async () => {
  await eachPaired(bodies, async (body) => {
    agree(page('grids', { body }), await runCli(['grids', body, '--json']), json, body);
  });
});

test('rate: 200 bodies on the bases 0 to 5 as rate prints them', async () => {
  await eachPaired(bodies, async (body, index) => {
    const base = index % 6;
    agree(page('rate', { body, base }), await runCli(['rate', body, '--base', String(base)]), text, body);
  });
});

test('report: 200 bodies with and without prefix and suffix as report prints them', async () => {
  await eachPaired(bodies, async (body, index) => {
    const request = { body, base: index % 6 };
    const args = ['report', body, '--base', String(request.base)];
    if (index % 3 === 0) {
      Object.assign(request, { prefix: '深圳', suffix: '贸易有限公司' });
      args.push('--prefix', '深圳', '--suffix', '贸易有限公司');
    }
    agree(page('report', request), await runCli(args), text, body);
  });
});

test('score: the 200 bodies as names of a shortlist, as score --json judges them', async () => {
  const suffixes = ['科技有限公司', '贸易有限公司', '餐饮店', '', '（有限合伙）'];
  const lines = bodies.map((body, i) => `${i % 2 ? '成都' : ''}${body}${suffixes[i % suffixes.length]}`);
  const list = lines.join('\n') + '\n';
  for (const base of [0, 3, 5]) {
    agree(page('score', { lines: list, base }),
          await runCli(['score', '-', '--base', String(base), '--json'], list), json, `base ${base}`);
  }
});

test('shortlist: the same list in pieces with its count by standing, and its CSV as score --csv writes it', async () => {
  const list = `${bodies.map((body, i) => `${i % 2 ? '北京' : ''}${body}贸易有限公司`).join('\n')}\nx\n`;
  const pieces = [];
  zeruda.onRow = (piece) => pieces.push(JSON.parse(piece));
  const summary = page('shortlist', { lines: list, base: 3 });
  zeruda.onRow = undefined;
  const whole = page('score', { lines: list, base: 3 });
  assert.deepEqual(pieces.flat(), whole);
  assert.ok(pieces.every((piece) => piece.length <= 200) && pieces.length > 1, 'a piece at a time');
  const standing = (name) => (name.findings.some((f) => f.level === '不可用') ? 'unusable'
    : name.findings.some((f) => f.level === '需审批') ? 'needs_approval' : 'usable');
  const counted = { names: whole.length, usable: 0, needs_approval: 0, unusable: 0 };
  for (const name of whole) counted[standing(name)] += 1;
  assert.deepEqual(summary, counted);
  assert.ok(counted.unusable > 0, 'the list holds a name that cannot be registered');

  const csvFile = path.join(os.tmpdir(), `zeruda-wasm-score-${process.pid}.csv`);
  const run = await runCli(['score', '-', '--base', '3', '--csv', csvFile], list);
  assert.ok(run.ok, run.err);
  const written = new TextDecoder('gbk').decode(fs.readFileSync(csvFile));
  fs.rmSync(csvFile);
  assert.equal(page('shortlistCsv', { lines: list, base: 3 }), written);
});

test('chart: 50 birth moments as chart --json gives them', async () => {
  await eachPaired(moments, async ({ date, time }) => {
    agree(page('chart', { date, time }), await runCli(['chart', date, time, '--json']), json, `${date} ${time}`);
  });
});

test('almanac: 60 days as almanac --json gives them', async () => {
  await eachPaired(inputs.almanacDays(), async (date) => {
    agree(page('almanac', { date }), await runCli(['almanac', date, '--json']), json, date);
  });
});

test('almanacSearch: officer and day-list searches as almanac-search prints them', async () => {
  const searches = [['2026-12-09', 30, '嫁娶', false, false], ['2027-01-01', 90, '开市', false, true],
                    ['1985-06-15', 15, '安葬', true, false], ['2048-11-20', 180, '纳财', false, true]];
  for (const [from, range, activity, avoid, lists] of searches) {
    const args = ['almanac-search', '--from', from, '--range', String(range), '--activity', activity];
    if (avoid) args.push('--avoid');
    if (lists) args.push('--lists');
    agree(page('almanacSearch', { from, range, activity, avoid, lists }), await runCli(args), text,
          `${from} ${activity}`);
  }
});

test('month: months across the calendar, its edges and beyond as month prints them', async () => {
  const months = [[1901, 1], [1901, 2], [1985, 6], [2014, 10], [2024, 2], [2048, 12], [2049, 1], [1900, 12]];
  for (const [year, month] of months) {
    const shown = `${year}-${String(month).padStart(2, '0')}`;
    agree(page('month', { year, month }), await runCli(['month', shown]), text, shown);
  }
});

test('openingDays: a month after each of ten birth moments as opening-days --json finds them', async () => {
  const draw = inputs.seeded(42);
  await eachPaired(moments.slice(0, 10), async ({ date, time }) => {
    const from = `20${26 + draw(20)}-0${1 + draw(9)}-1${draw(10)}`;
    const days = [7, 30, 90][draw(3)];
    agree(page('openingDays', { from, days, birth: date, time }),
          await runCli(['opening-days', '--from', from, '--days', String(days), '--birth', date,
                        '--time', time, '--json']), json, `${from} ${date}`);
  });
});

test('generate: a seeded run gives the rows generate --json gives', async () => {
  const request = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30', prefix: '成都',
                    suffix: '科技有限公司', length: 3, auto_elements: true, min_stars: 3, count: 300,
                    seed: 20240611, road: 'pool' };
  const rows = [];
  zeruda.onRow = (piece) => rows.push(...JSON.parse(piece));
  const answer = page('generate', request);
  zeruda.onRow = undefined;
  // The same run on the command line, with what it is to write.
  const cliRun = (...output) => runCli(['generate', '--surname', '张', '--given', '伟', '--birth', '1985-06-15',
                                        '--time', '08:30', '--prefix', '成都', '--suffix', '科技有限公司',
                                        '--length', '3', '--auto-elements', '--min-stars', '3', '--count',
                                        '300', '--seed', '20240611', '--road', 'pool', ...output]);
  agree(answer, await cliRun('--json'), json, 'generate');
  assert.equal(answer.length, 300);
  assert.deepEqual(rows, answer, 'the rows sent while running are the rows of the answer');

  // The CSV of these rows is the command line's export, in UTF-8 where that is GBK.
  const csvFile = path.join(os.tmpdir(), `zeruda-wasm-${process.pid}.csv`);
  const cells = answer.flatMap((row) => [row.sequence, row.full_name, row.body, row.written_strokes,
                                         row.kangxi_strokes, row.elements, row.stars]);
  const exported = await cliRun('--csv', csvFile);
  assert.ok(exported.ok, exported.err);
  const written = new TextDecoder('gbk').decode(fs.readFileSync(csvFile));
  fs.rmSync(csvFile);
  assert.equal(page('resultCsv', { cells }), written);

  // The rich export from the rows and their star parts is the command line's --rich-csv.
  const richCells = answer.flatMap((row, i) => {
    const parts = row.star_parts;
    return [...cells.slice(i * 7, i * 7 + 7),
            ...[parts.base, parts.talents, ...parts.grids, parts.elements].map(String)];
  });
  const richExported = await cliRun('--rich-csv', csvFile);
  assert.ok(richExported.ok, richExported.err);
  const rich = new TextDecoder('gbk').decode(fs.readFileSync(csvFile));
  fs.rmSync(csvFile);
  assert.equal(page('resultRichCsv', { cells: richCells }), rich);
  assert.match(page('resultRichCsv', { cells: [...cells.slice(0, 7), 'x', ...Array(7).fill('1')] }).refused,
               /第1行的星级计算不是数字/);
});

test('personal: a seeded run gives the names personal --json gives', async () => {
  const answer = page('personal', { surname: '李', gender: '女', birth: '2024-03-08', time: '10:15',
                                    length: 2, fixed_pos: 2, fixed: '雪', count: 200, seed: 7 });
  agree(answer, await runCli(['personal', '--surname', '李', '--gender', '女', '--birth', '2024-03-08',
                              '--time', '10:15', '--length', '2', '--fixed-pos', '2', '--fixed', '雪',
                              '--count', '200', '--seed', '7', '--json']), json, 'personal');
  assert.equal(answer.rows.length, 200);
});

test('name: names of one to three characters, with and without gender and birth, as name --json judges them', async () => {
  const surnames = ['李', '王', '欧阳', '杜', '张', '司马', '史', '范'];
  const givens = ['清扬', '子腾', '伟', '思齐', '雨桐', '浩然', '一', '龍鳳', '嘉懿', '珍香', '统', '明月光'];
  const cases = [];
  for (let i = 0; i < 36; ++i) {
    const surname = surnames[i % surnames.length];
    const given = givens[(i * 5) % givens.length];
    const gender = [undefined, '男', '女'][i % 3];
    const birth = i % 2 ? moments[i] : undefined;
    cases.push({ surname, given, gender, birth });
  }
  await eachPaired(cases, async ({ surname, given, gender, birth }) => {
    const args = ['name', surname, given];
    if (gender) args.push('--gender', gender);
    if (birth) args.push('--birth', birth.date, '--time', birth.time);
    const answer = page('name', { surname, given, gender, birth: birth && birth.date, time: birth && birth.time });
    agree(answer, await runCli([...args, '--json']), json, args.join(' '));
    assert.equal(answer.star_parts !== undefined, Boolean(birth), `${args.join(' ')}: stars only with a birth`);
  });
});

// The shared table of refusals (tests/refusals.tsv): the page refuses each case with
// the table's message, and the command line with the same message after its option.
function refusalCases() {
  const table = fs.readFileSync(path.join(__dirname, '..', 'refusals.tsv'), 'utf8');
  return table.split('\n').filter((line) => line && !line.startsWith('#')).map((line) => {
    const [name, cli, fn, request, message] = line.split('\t');
    const args = cli.split('|').map((arg) => (arg === "''" ? '' : arg));
    return { name, args, fn, request: fn === '-' ? null : JSON.parse(request), message };
  });
}

test('refusals: every case of the shared table, refused alike by the page and the command line', async () => {
  const cases = refusalCases();
  assert.ok(cases.length >= 40);
  await eachPaired(cases, async ({ name, args, fn, request, message }) => {
    const run = await runCli(args);
    assert.equal(run.ok, false, `${name}: the command line refuses`);
    assert.ok(run.err.endsWith(`${message}\n`), `${name}: '${run.err}'`);
    if (!request) return;
    const answer = page(fn, request);
    assert.equal(answer.refused, message, name);
    assert.doesNotMatch(answer.refused, /[A-Za-z]{3,}/, `${name}: no program key in '${answer.refused}'`);
  });
});

test('dates: full-width digits and Chinese dates are read alike by the page and the command line', async () => {
  for (const [typed, plain] of [['１９８５－０６－１５', '1985-06-15'], ['1985年6月15日', '1985-06-15'],
                                ['20240304', '2024-03-04']]) {
    agree(page('chart', { date: typed, time: '08:30' }), await runCli(['chart', typed, '08:30', '--json']),
          json, typed);
    assert.deepEqual(page('chart', { date: typed, time: '08:30' }), page('chart', { date: plain, time: '08:30' }));
  }
});

test('score: a line that cannot be scored is named, the others are scored as the command line scores them', async () => {
  const list = `华通\n${'华'.repeat(101)}\n成都龍鳳科技有限公司\n`;
  const answer = page('score', { lines: list, base: 3 });
  const run = await runCli(['score', '-', '--base', '3', '--json'], list);
  assert.deepEqual(answer, JSON.parse(run.out));
  assert.deepEqual(answer.notes, ['第2行超过100个字或400字节，未评分']);
  assert.equal(run.err, 'zeruda-cli score: 第2行超过100个字或400字节，未评分\n');
});

test('refusals carry the field they are about, as a key the page maps to its input', () => {
  const moment = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30' };
  const cases = [
    ['generate', { ...moment, birth: '' }, 'birth_date'],
    ['generate', { ...moment, length: 2, fixed3: '华' }, 'fixed_character_3'],
    ['personal', { surname: 'abc', gender: '女', birth: '2024-03-08', time: '10:15', length: 2 }, 'person_surname'],
    ['score', { lines: '华通', base: 7 }, 'base_score'],
    ['chart', { date: '1985-06-15', time: '24:00' }, 'time'],
    ['name', { surname: '李', given: 'ab' }, 'person_given_name'],
    ['name', { surname: '李', given: '清扬', birth: '2024-03-10' }, 'birth_time'],
    ['article', { id: 'none' }, null],
  ];
  for (const [name, request, field] of cases) {
    assert.equal(page(name, request).field, field, `${name} ${JSON.stringify(request)}`);
  }
});

test('score: a list over its size is refused whole, as the command line refuses it, and the module answers on', async () => {
  const names = (count, length) => Array.from({ length: count }, (_, i) =>
    Array.from({ length }, (__, j) => '华通金星龍鳳明德远大'[(i * 7 + j * 3 + Math.floor(i / 10)) % 10]).join('')).join('\n') + '\n';
  const before = page('grids', { body: '华通' });
  for (const [list, message] of [[names(23000, 30), '名单超过2000000字节，请分批评分'],
                                 [names(30001, 2), '名单超过30000个名字，请分批评分']]) {
    assert.deepEqual(page('score', { lines: list, base: 3 }), { refused: message, field: 'shortlist_names' });
    const run = await runCli(['score', '-', '--base', '3'], list);
    assert.equal(run.err, `zeruda-cli score: ${message}\n`);
  }
  assert.deepEqual(page('grids', { body: '华通' }), before);
  // At the edge: 2,000,000 bytes are taken, one more is not, the last line end counted as a byte.
  const edge = `${'\n'.repeat(1999994)}华通`;
  for (const list of [edge, `${edge}\n`]) {
    const answer = page('score', { lines: list, base: 3 });
    const run = await runCli(['score', '-', '--base', '3', '--json'], list);
    assert.equal(run.ok, list === edge, `${Buffer.byteLength(list)} bytes: ${run.err}`);
    agree(answer, run, json, `${Buffer.byteLength(list)} bytes`);
  }
  // 20,000 names of 30 characters stay within it.
  const most = names(20000, 30);
  const scored = page('score', { lines: most, base: 3 });
  assert.equal(scored.length, 20000);
  assert.deepEqual(scored, JSON.parse((await runCli(['score', '-', '--base', '3', '--json'], most)).out));
});

test('answers are read whole by their length: a NUL in a cell keeps the rows after it', () => {
  const row = (body) => ['1', `成都${body}科技有限公司`, body, '10', '12', '金木', '☆☆☆'];
  const csv = page('resultCsv', { cells: [...row('华\u0000通'), ...row('金星')] });
  assert.match(csv, /华\u0000通/);
  assert.match(csv, /成都金星科技有限公司/);
});

test('a call that reads a block it was not given stops, and answers once given it', async () => {
  const bare = await createModule({ wasmBinary: fs.readFileSync(path.join(site, named['zeruda.wasm'])) });
  assert.match(zerudaCall.zerudaCallRaw(bare, 'articles', {}).trapped, /zeruda-needs kArticleSources/);
  const fresh = await createModule({ wasmBinary: fs.readFileSync(path.join(site, named['zeruda.wasm'])) });
  zerudaProvide(fresh, 'kArticleSources', blockBytes('kArticleSources'));
  assert.deepEqual(zerudaCall(fresh, 'articles', {}), page('articles', {}));
});
