// Per-record time of the web page's converter module (under node, as the
// page's worker runs it) against native code, on the bundled light and
// material samples repeated COPIES times, rounds alternating:
//   native entry  the module's entry points compiled natively
//                 (noxbin2xml_bench_web): the same work, in memory
//   native tool   the command-line tool converting folders of the copies
//                 into a scratch folder (its start, reading and writing
//                 files included)
// Each ratio is taken between medians.
//   node bench/web_bench.js BUILD_DIR MODULE.wasm ROUNDS [COPIES]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { WASI } = require('node:wasi');
const { wasmConverter } = require('../web/page/converter.js');
const { allSamples } = require('../web/test/samples.js');

const [buildDir, modulePath, rounds, copiesArg] = process.argv.slice(2);
const copies = Number(copiesArg || 25);
const samples = allSamples().filter((s) => /^(lights|materials)\//.test(s.relative));
const samplePath = (sample) => path.join(__dirname, '../samples', sample.relative);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const elapsed = (started) => Number(process.hrtime.bigint() - started) / 1e6;

// The samples copied into a folder per kind; "omni-2.rec" becomes
// "omni-c7-2.rec", keeping the type last for "auto".
function scratchFolders() {
  const base = fs.existsSync('/dev/shm') ? '/dev/shm' : os.tmpdir();
  const root = fs.mkdtempSync(path.join(base, 'noxbin2xml-bench-'));
  for (const sample of samples) {
    const folder = path.join(root, sample.kind);
    fs.mkdirSync(folder, { recursive: true });
    for (let c = 0; c < copies; c++)
      fs.writeFileSync(path.join(folder, sample.fileName.replace(/-(\d+)\.rec$/, `-c${c}-$1.rec`)), sample.content);
  }
  return root;
}

function timeTool(root) {
  const started = process.hrtime.bigint();
  for (const kind of ['light', 'material'])
    execFileSync(path.join(buildDir, 'noxbin2xml'),
                 [kind, 'auto', path.join(root, kind), '-o', path.join(root, 'out-' + kind), '-q']);
  return elapsed(started);
}

function timeNativeEntry() {
  const records = samples.map((s) => `${s.kind === 'light' ? 0 : 1}:${samplePath(s)}`);
  return Number(execFileSync(path.join(buildDir, 'noxbin2xml_bench_web'), [String(copies), ...records]));
}

function timeModule(converter) {
  const started = process.hrtime.bigint();
  for (let c = 0; c < copies; c++)
    for (const sample of samples)
      if (converter.convert({ ...sample, type: 'auto' }).has('failure')) throw new Error(sample.relative);
  return elapsed(started);
}

async function main() {
  const wasi = new WASI({ version: 'preview1' });
  const { instance } = await WebAssembly.instantiate(fs.readFileSync(modulePath), wasi.getImportObject());
  wasi.initialize(instance);
  const converter = wasmConverter(instance);
  const root = scratchFolders();
  const times = { module: [], entry: [], tool: [] };
  try {
    timeModule(converter);  // compiled by node's optimising tier before timing
    for (let round = 0; round < Number(rounds); round++) {
      times.entry.push(timeNativeEntry());
      times.module.push(timeModule(converter));
      times.tool.push(timeTool(root));
    }
  } finally {
    fs.rmSync(root, { recursive: true, force: true });
  }
  const records = samples.length * copies;
  const perRecord = (name) => (median(times[name]) * 1000 / records).toFixed(1);
  console.log(`${records} records per round, µs per record: module ${perRecord('module')}, ` +
              `native entry ${perRecord('entry')}, native tool ${perRecord('tool')}`);
  console.log(`module / native entry: ${(median(times.module) / median(times.entry)).toFixed(2)}`);
  console.log(`module / native tool: ${(median(times.module) / median(times.tool)).toFixed(2)}`);
}

main();
