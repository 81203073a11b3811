// The converter module's calls, shared by the page's worker and the node
// runner: a record's file goes in, the module's answer comes out as a Map of
// named parts (Uint8Array each): "file:..." documents, "warning", "summary",
// "failure", "page".
'use strict';
const RECORD_KINDS = { light: 0, material: 1, scene: 2 };
const DEFAULT_MAX_DOCUMENT_MB = 256;

function wasmConverter(instance) {
  const calls = instance.exports;
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function put(slot, bytes) {
    const at = calls.nox_input(slot, bytes.length);
    new Uint8Array(calls.memory.buffer, at, bytes.length).set(bytes);
  }
  function copied(pointer, size) {
    return new Uint8Array(calls.memory.buffer, pointer, size).slice();
  }
  function answer(count) {
    const parts = new Map();
    for (let i = 0; i < count; i++) {
      const name = decoder.decode(copied(calls.nox_part_name(i), calls.nox_part_name_size(i)));
      parts.set(name, copied(calls.nox_part_data(i), calls.nox_part_size(i)));
    }
    return parts;
  }
  // input: { kind: 'light' | 'material' | 'scene', type: 'auto' or a number,
  //          fileName, content: Uint8Array, maxDocumentMb }
  function load(input) {
    put(0, input.content);
    put(1, encoder.encode(input.fileName));
    put(2, encoder.encode(String(input.type === undefined ? 'auto' : input.type)));
    return RECORD_KINDS[input.kind];
  }
  return {
    convert(input) {
      const kind = load(input);
      return answer(calls.nox_convert(kind, input.maxDocumentMb || DEFAULT_MAX_DOCUMENT_MB));
    },
    inspect(input) {
      return answer(calls.nox_inspect(load(input)));
    },
  };
}

if (typeof module !== 'undefined') module.exports = { wasmConverter };
