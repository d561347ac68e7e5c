// One call into the module: the request goes in as JSON, the answer comes back as the
// parsed JSON of the command line's --json, or as its plain text; a refusal becomes
// an Error carrying the program's message. Shared by the page, its worker and the tests.
(function (global) {
  'use strict';

  const kJson = 0;
  const kText = 1;

  function zerudaCall(module, name, request) {
    const kind = module.ccall('zeruda_call', 'number', ['string', 'string'],
                              [name, JSON.stringify(request || {})]);
    const answer = module.ccall('zeruda_answer', 'string', [], []);
    if (kind === kJson) return JSON.parse(answer);
    if (kind === kText) return answer;
    throw new Error(answer);
  }

  if (typeof module === 'object' && module.exports) {
    module.exports = zerudaCall;
  } else {
    global.zerudaCall = zerudaCall;
  }
})(typeof self !== 'undefined' ? self : this);
