// The page's worker: converts (or inspects) one input at a time with the
// converter module, off the page's thread. A trap (the module ran out of
// memory) fails that input only: a fresh instance takes the next one.
'use strict';
let compiled = null;
let converter = null;

function freshConverter() {
  let instance = null;
  instance = new WebAssembly.Instance(compiled, wasiImports(() => instance.exports.memory));
  instance.exports._initialize();
  converter = wasmConverter(instance);
}

function run(job) {
  try {
    return [...converter[job.operation](job.input)];
  } catch (trap) {
    freshConverter();
    return [['failure', new TextEncoder().encode('out of memory\n')]];
  }
}

onmessage = (event) => {
  if (event.data.module) {
    compiled = event.data.module;
    freshConverter();
    return;
  }
  const parts = run(event.data);
  postMessage({ id: event.data.id, parts }, parts.map(([, bytes]) => bytes.buffer));
};
