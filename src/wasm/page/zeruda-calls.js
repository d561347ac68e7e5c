// One call into the module: the request goes in as JSON, the answer comes back as the
// parsed JSON of the command line's --json, or as its plain text; a refusal becomes
// an Error carrying the program's message. Shared by the page, its worker and the tests.
(function (global) {
  'use strict';

  const kJson = 0;
  const kText = 1;

  // The answer as the module gives it: {json} or {text} (the JSON unparsed), or
  // {refused} with the message.
  function zerudaCallRaw(module, name, request) {
    const kind = module.ccall('zeruda_call', 'number', ['string', 'string'],
                              [name, JSON.stringify(request || {})]);
    const answer = module.ccall('zeruda_answer', 'string', [], []);
    const notes = module.ccall('zeruda_notes', 'string', [], []).split('\n').filter((n) => n);
    if (kind === kJson) return { json: answer, notes };
    if (kind === kText) return { text: answer, notes };
    return { refused: answer };
  }

  // The answer itself: parsed JSON or text; a refusal is thrown. What the module said
  // beside a JSON answer (the lines of a shortlist it refused, a note) rides along as
  // the answer's `notes`, out of the way of its own keys.
  function zerudaAnswer(raw) {
    if (raw.text !== undefined) return raw.text;
    if (raw.json === undefined) throw new Error(raw.refused);
    const value = JSON.parse(raw.json);
    if (raw.notes && raw.notes.length && value !== null && typeof value === 'object') {
      Object.defineProperty(value, 'notes', { value: raw.notes, enumerable: false });
    }
    return value;
  }

  const zerudaCall = (module, name, request) => zerudaAnswer(zerudaCallRaw(module, name, request));

  if (typeof module === 'object' && module.exports) {
    module.exports = zerudaCall;
    module.exports.zerudaCallRaw = zerudaCallRaw;
  } else {
    global.zerudaCall = zerudaCall;
    global.zerudaCallRaw = zerudaCallRaw;
    global.zerudaAnswer = zerudaAnswer;
  }
})(typeof self !== 'undefined' ? self : this);
