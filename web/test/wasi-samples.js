// Runs the web page's WebAssembly module under node's WASI on every bundled
// sample and compares its answers with the tool's expected outputs, byte for
// byte; a fault found here is the module's, not the page's.
//   node web/test/wasi-samples.js build-wasm/noxbin2xml_web.wasm
'use strict';
const fs = require('fs');
const { WASI } = require('node:wasi');
const { wasmConverter } = require('../page/converter.js');
const { allSamples, differences } = require('./samples.js');

async function converterFrom(file) {
  const wasi = new WASI({ version: 'preview1' });
  const { instance } = await WebAssembly.instantiate(fs.readFileSync(file), wasi.getImportObject());
  wasi.initialize(instance);
  return wasmConverter(instance);
}

async function main() {
  const converter = await converterFrom(process.argv[2]);
  let failed = 0;
  const samples = allSamples();
  for (const sample of samples) {
    const faults = differences(sample, converter.convert({ ...sample, type: 'auto' }));
    if (faults.length) {
      failed++;
      console.log(`${sample.relative}: ${faults.join('; ')}`);
    }
  }
  console.log(`${samples.length - failed} of ${samples.length} samples as the tool gives them`);
  process.exit(failed ? 1 : 0);
}

main();
