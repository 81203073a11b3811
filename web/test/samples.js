// Every bundled sample with the record kind it is converted as and what the
// command-line tool gives for it (test/sample-outputs/): the documents of
// lights, materials and textual samples, the files of scenes, the failure
// chain of broken samples. Shared by the node runner and the browser test.
'use strict';
const fs = require('fs');
const path = require('path');

const root = path.resolve(__dirname, '../..');
const samplesDir = path.join(root, 'samples');
const expectedDir = path.join(root, 'test/sample-outputs');

// As check.sh tells them: scenes are under scenes/ or named scene-*; a light
// sample is named after a light ("omni-2.rec"), and so are textual and
// broken samples of lights.
function kindOf(relative) {
  const name = path.basename(relative);
  if (relative.startsWith('scenes/') || relative.startsWith('names/') || name.startsWith('scene-')) return 'scene';
  const lights = fs.readdirSync(path.join(samplesDir, 'lights'));
  return lights.some((file) => file.startsWith(name.split('-')[0] + '-')) ? 'light' : 'material';
}

function stem(name) {
  return name.replace(/\.[^.]*$/, '');
}

function filesUnder(folder) {
  if (!fs.existsSync(folder)) return [];
  return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
    const full = path.join(folder, entry.name);
    return entry.isDirectory() ? filesUnder(full).map((f) => entry.name + '/' + f) : [entry.name];
  }).sort();
}

// The expected files of a sample: "file:NAME" -> bytes, or for a broken
// sample its failure text as the module gives it.
function expectedOf(relative, kind) {
  const folder = relative.split('/')[0];
  const name = stem(path.basename(relative));
  if (folder === 'broken') {
    const text = fs.readFileSync(path.join(expectedDir, 'broken', name + '.txt'), 'utf8');
    // The tool names the file before a load error: "broken/empty-3.rec: ...".
    const chain = text.replace(/exit status \d+\n$/, '').replace(relative + ': ', '');
    return { failure: chain };
  }
  if (kind === 'scene') {
    const dir = path.join(expectedDir, folder, name);
    return { files: new Map(filesUnder(dir).map((f) => ['file:' + f, fs.readFileSync(path.join(dir, f))])) };
  }
  return { files: new Map([['file:document', fs.readFileSync(path.join(expectedDir, folder, name + '.xml'))]]) };
}

function allSamples() {
  return ['lights', 'materials', 'scenes', 'names', 'text', 'broken'].flatMap((folder) =>
    filesUnder(path.join(samplesDir, folder)).map((file) => {
      const relative = folder + '/' + file;
      const kind = kindOf(relative);
      return { relative, fileName: file, kind, content: fs.readFileSync(path.join(samplesDir, relative)),
               expected: expectedOf(relative, kind) };
    }));
}

// What differs between the module's answer (name -> bytes) and the expected
// outputs; empty when they are the same.
function differences(sample, parts) {
  const text = (bytes) => Buffer.from(bytes).toString('utf8');
  const { expected } = sample;
  if (expected.failure !== undefined) {
    const failure = parts.has('failure') ? text(parts.get('failure')) : '(converted)';
    return failure === expected.failure ? [] : [`failure ${JSON.stringify(failure)} != ${JSON.stringify(expected.failure)}`];
  }
  if (parts.has('failure')) return ['failed: ' + text(parts.get('failure'))];
  const files = [...parts.keys()].filter((name) => name.startsWith('file:'));
  // Git keeps no empty folders; a scene without materials has no files beyond options.xml.
  const out = [];
  for (const name of new Set([...files, ...expected.files.keys()])) {
    const got = parts.get(name);
    const want = expected.files.get(name);
    if (!got || !want || Buffer.compare(Buffer.from(got), want) !== 0)
      out.push(`${name}: ${!got ? 'missing' : !want ? 'not expected' : 'differs'}`);
  }
  return out;
}

module.exports = { allSamples, differences, kindOf, root };
