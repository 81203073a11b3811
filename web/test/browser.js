// The web page in headless Chromium, driven through its DevTools protocol:
// every sample fed through the page gives the tool's expected outputs byte
// for byte (broken ones their failure chains); a record past the document
// limit and a record that exhausts the module's memory fail on their own
// while the next input converts; a pasted record converts; the batch's zip
// archive holds every document; the inspector opens and draws a broken
// record; the page requests nothing over the network (which is off) and
// logs no error; a malformed document comes with the tool's warning. Leaves
// a screenshot of a converted batch.
//   node web/test/browser.js PAGE.html SCREENSHOT.png
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { allSamples, differences } = require('./samples.js');
const { layered } = require('./records.js');
const { unzipSync } = require('fflate');

const [pagePath, screenshotPath] = process.argv.slice(2);
const pageUrl = 'file://' + path.resolve(pagePath);
const problems = [];
const MALFORMED_QUOTE = 'warning: the document is not well-formed XML: line 2: a quotation mark in: /a"b/';

// Feeds files of one kind through the file picker and waits for their answers.
async function feed(page, kind, files, maxDocumentMb = 256) {
  const before = await page.evaluate(() => window.noxbin2xmlResults.length);
  await page.select('#kind', kind);
  await page.$eval('#max-document', (e, mb) => { e.value = String(mb); }, maxDocumentMb);
  const picker = await page.$('#files');
  for (const file of files) await picker.uploadFile(file);  // one by one: answers in this order
  await page.waitForFunction((n) => window.noxbin2xmlResults.length === n &&
    window.noxbin2xmlResults.every((r) => r.parts), { timeout: 120000 }, before + files.length);
  return answersFrom(page, before);
}

// The answers from the `from`th input on, their parts' bytes as base64.
function answersFrom(page, from) {
  return page.evaluate((from) => window.noxbin2xmlResults.slice(from).map((r) => ({
    fileName: r.fileName,
    parts: [...r.parts].map(([name, bytes]) => {
      let binary = '';
      for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      return [name, btoa(binary)];
    }),
  })), from);
}

const answerOf = (result) => new Map(result.parts.map(([name, base64]) => [name, Buffer.from(base64, 'base64')]));

async function checkSamples(page) {
  const samples = allSamples();
  const started = Date.now();
  for (const kind of ['light', 'material', 'scene']) {
    const ofKind = samples.filter((s) => s.kind === kind);
    const answers = await feed(page, kind, ofKind.map((s) => path.join(__dirname, '../../samples', s.relative)));
    ofKind.forEach((sample, i) => {
      const faults = differences(sample, answerOf(answers[i]));
      if (answers[i].fileName !== sample.fileName) faults.push(`answer of ${answers[i].fileName}`);
      if (faults.length) problems.push(`${sample.relative}: ${faults.join('; ')}`);
    });
  }
  console.log(`${samples.length} samples through the page in ${Date.now() - started} ms`);
}

// A textual record pasted into the box converts as the same file would.
async function checkPaste(page) {
  const sample = allSamples().find((s) => s.relative === 'text/omni-2.txt');
  await page.select('#kind', sample.kind);
  await page.$eval('#paste', (e, text) => { e.value = text; }, sample.content.toString());
  await page.$eval('#paste-name', (e, name) => { e.value = name; }, sample.fileName);
  const before = await page.evaluate(() => window.noxbin2xmlResults.length);
  await page.click('#convert-paste');
  await page.waitForFunction((n) => window.noxbin2xmlResults.length === n + 1 &&
    window.noxbin2xmlResults[n].parts, {}, before);
  const [answer] = await answersFrom(page, before);
  const faults = differences(sample, answerOf(answer));
  if (faults.length) problems.push(`pasted ${sample.relative}: ${faults.join('; ')}`);
}

// "Download all" saves one zip archive holding every document of the batch
// under its output name.
async function checkBatchArchive(page, client, scratch) {
  await client.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: scratch });
  await page.click('#download-all');
  const archive = path.join(scratch, 'noxbin2xml.zip');
  for (let wait = 0; wait < 100 && !fs.existsSync(archive); wait++) await new Promise((r) => setTimeout(r, 100));
  const files = fs.existsSync(archive) ? unzipSync(fs.readFileSync(archive)) : {};
  const expected = allSamples().flatMap((sample) => [...(sample.expected.files || [])].map(([name, bytes]) =>
    [name === 'file:document' ? sample.fileName.replace(/\.[^.]*$/, '.xml')
                              : sample.fileName.replace(/\.[^.]*$/, '/') + name.slice(5), bytes]));
  const wrong = expected.filter(([name, bytes]) => !files[name] || Buffer.compare(Buffer.from(files[name]), bytes));
  if (wrong.length || Object.keys(files).length !== expected.length)
    problems.push(`batch archive: ${Object.keys(files).length} files, ${wrong.length} of ${expected.length} wrong`);
}

// The inspector of a broken sample opens over the page and draws the read
// with its failure.
async function checkInspector(page) {
  const rows = await page.$$('#results > li');
  let broken = null;
  for (const candidate of rows)
    if ((await candidate.$eval('.title', (e) => e.textContent)) === 'bump-bad-uvw-3.rec') broken = candidate;
  await (await broken.$('.actions button:last-child')).click();
  await page.waitForSelector('#inspector[open]');
  const frame = await (await page.waitForSelector('#inspector-frame')).contentFrame();
  await frame.waitForSelector('body[data-ready="true"]', { timeout: 30000 });
  const drawn = await frame.evaluate(() => ({ errors: document.body.dataset.scriptErrors || '',
                                             failures: document.querySelectorAll('#tree .failure').length }));
  if (drawn.errors || !drawn.failures) problems.push(`inspector: ${JSON.stringify(drawn)}`);
  await page.click('#inspector form button');
}

// A material whose name makes its document malformed XML converts exactly
// as written, with the tool's warning shown beside it.
async function checkMalformedWarning(page, scratch) {
  const quoted = path.join(scratch, 'quote-1.rec');
  fs.writeFileSync(quoted, layered('a"b', 1));
  const [answer] = await feed(page, 'material', [quoted]);
  const warning = (answerOf(answer).get('warning') || '').toString();
  const shown = await page.$$eval('#results > li:last-child .warning', (e) => e.map((w) => w.textContent));
  if (!warning.startsWith(MALFORMED_QUOTE) || shown[0] !== warning)
    problems.push(`quote-1.rec: warning ${JSON.stringify(warning)}, shown ${JSON.stringify(shown)}`);
}

// A document past the limit, then one past the module's memory, then a
// sample: the first two fail with their reasons, the sample converts.
async function checkFailuresStayAlone(page, scratch) {
  const wide = path.join(scratch, 'wide-1.rec');
  const hostile = path.join(scratch, 'hostile-1.rec');
  fs.writeFileSync(wide, layered(100000, 20));
  fs.writeFileSync(hostile, layered(8 << 20, 80));
  const sample = allSamples().find((s) => s.relative === 'materials/layered-1.rec');
  const answers = await feed(page, 'material', [wide, hostile, path.join(__dirname, '../../samples', sample.relative)], 1);
  const failure = (answer) => (answerOf(answer).get('failure') || '').toString();
  if (failure(answers[0]) !== 'document would exceed 1 MB\n') problems.push(`wide-1.rec: ${failure(answers[0])}`);
  await page.$eval('#max-document', (e) => { e.value = '4095'; });
  const again = await feed(page, 'material', [hostile, path.join(__dirname, '../../samples', sample.relative)], 4095);
  if (failure(again[0]) !== 'out of memory\n') problems.push(`hostile-1.rec: ${failure(again[0]) || 'converted'}`);
  for (const answer of [answers[2], again[1]]) {
    const faults = differences(sample, answerOf(answer));
    if (faults.length) problems.push(`layered-1.rec after a failure: ${faults.join('; ')}`);
  }
}

async function main() {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'noxbin2xml-web-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--window-size=1280,900'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    const client = await page.target().createCDPSession();
    await client.send('Network.enable');
    await client.send('Network.emulateNetworkConditions', { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    client.on('Network.requestWillBeSent', ({ request }) => {
      if (request.url !== pageUrl && !request.url.startsWith('blob:')) problems.push(`network request: ${request.url}`);
    });
    page.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    await page.goto(pageUrl);
    await checkSamples(page);
    await page.screenshot({ path: screenshotPath });
    await checkBatchArchive(page, client, scratch);
    await checkInspector(page);
    await checkPaste(page);
    await checkMalformedWarning(page, scratch);
    await checkFailuresStayAlone(page, scratch);
  } finally {
    await browser.close();
    fs.rmSync(scratch, { recursive: true, force: true });
  }
  for (const problem of problems) console.log(problem);
  console.log(problems.length ? `${problems.length} problems` : 'the page gives what the tool gives');
  process.exit(problems.length ? 1 : 0);
}

main().catch((error) => { console.error(error); process.exit(1); });
