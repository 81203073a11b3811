// Builds the web page: one HTML file holding its style, its script, the zip
// library and the converter module (base64), so it opens from a file and
// fetches nothing.
//   node web/build-page.js MODULE.wasm OUT.html
'use strict';
const fs = require('fs');
const path = require('path');

const [wasmPath, outPath] = process.argv.slice(2);
const read = (file) => fs.readFileSync(path.join(__dirname, file), 'utf8');

// A string literal that stays inert inside a <script> element.
function scriptString(text) {
  return JSON.stringify(text).replace(/</g, '\\u003c');
}

const workerSource = ['page/converter.js', 'page/wasi-shim.js', 'page/worker.js'].map(read).join('\n');
const script = [
  `const WASM_BASE64 = "${fs.readFileSync(wasmPath).toString('base64')}";`,
  `const WORKER_SOURCE = ${scriptString(workerSource)};`,
  read('node_modules/fflate/umd/index.js'),
  read('page/page.js'),
].join('\n');
if (/<\/script|<!--/i.test(script)) throw new Error('the page script holds markup that would end its element');

const page = read('page/page.html')
  .replace('{{style}}', () => read('page/page.css'))
  .replace('{{script}}', () => script);
fs.mkdirSync(path.dirname(outPath), { recursive: true });
fs.writeFileSync(outPath, page);
console.log(`${outPath}: ${(page.length / 1048576).toFixed(2)} MB`);
