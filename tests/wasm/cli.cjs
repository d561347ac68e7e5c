// zeruda-cli as the tests run it: with a working folder of their own.
'use strict';
const { execFile } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const cli = process.env.ZERUDA_CLI;
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'zeruda-cli-'));
const environment = { ...process.env, XDG_DATA_HOME: path.join(home, 'data'), TMPDIR: home };
process.on('exit', () => fs.rmSync(home, { recursive: true, force: true }));

// { ok, out, err } of one run; `ok` is exit code 0. `input` goes to standard input.
function runCli(args, input) {
  return new Promise((resolve) => {
    const child = execFile(cli, args, { env: environment, maxBuffer: 64 << 20 },
      (error, stdout, stderr) => resolve({ ok: !error, out: stdout, err: stderr }));
    // A command that refuses a list over its size stops reading it: the rest is not taken.
    child.stdin.on('error', () => {});
    if (input !== undefined) child.stdin.end(input);
  });
}

module.exports = { runCli };
