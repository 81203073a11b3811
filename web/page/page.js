// The page: takes record files (dropped, picked or pasted), has the worker
// convert each on its own, and shows each one's documents, warning or
// failure chain, with downloads (one zip archive for a scene or the whole
// batch) and the inspector. WASM_BASE64, WORKER_SOURCE and fflate come
// before this script.
'use strict';
(function () {
  const $ = (id) => document.getElementById(id);
  const decoder = new TextDecoder();
  const SHOWN_DOCUMENT_BYTES = 1 << 20;  // a document's text shown in the page; downloads are whole
  const results = [];                    // every input: { fileName, kind, parts, element }
  window.noxbin2xmlResults = results;    // for the browser test
  const pending = new Map();             // job id -> resolve
  let nextJob = 0;
  let finished = 0;

  const worker = new Worker(URL.createObjectURL(new Blob([WORKER_SOURCE], { type: 'text/javascript' })));
  worker.onmessage = (event) => {
    pending.get(event.data.id)(new Map(event.data.parts));
    pending.delete(event.data.id);
  };
  const ready = WebAssembly.compile(Uint8Array.from(atob(WASM_BASE64), (c) => c.charCodeAt(0)))
    .then((module) => worker.postMessage({ module }));

  function ask(operation, input) {
    return ready.then(() => new Promise((resolve) => {
      const id = nextJob++;
      pending.set(id, resolve);
      worker.postMessage({ id, operation, input });
    }));
  }

  function element(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function stem(name) { return name.replace(/\.[^.]*$/, '') || name; }

  function download(name, bytes) {
    const link = element('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  function button(label, action) {
    const b = element('button', '', label);
    b.addEventListener('click', action);
    return b;
  }

  // The files an input's documents are saved as: "omni-2.xml", or for a
  // scene "kind4-sky/options.xml" and "kind4-sky/materials/NAME.xml".
  function outputFiles(result) {
    const files = [];
    for (const [name, bytes] of result.parts) {
      if (!name.startsWith('file:')) continue;
      const file = name === 'file:document' ? stem(result.fileName) + '.xml' : stem(result.fileName) + '/' + name.slice(5);
      files.push([file, bytes]);
    }
    return files;
  }

  function zip(files) {
    const tree = {};
    for (const [name, bytes] of files) tree[name] = bytes;
    return fflate.zipSync(tree, { level: 6 });
  }

  function inspect(input) {
    ask('inspect', input).then((parts) => {
      const page = parts.get('page');
      if (!page) return;
      $('inspector-frame').srcdoc = decoder.decode(page);
      $('inspector').showModal();
    });
  }

  function showDocuments(item, files) {
    for (const [name, bytes] of files) {
      const details = element('details');
      const summary = element('summary', '', `${name} (${bytes.length} bytes) `);
      if (files.length > 1) summary.append(button('Download', () => download(name.replace(/.*\//, ''), bytes)));
      details.append(summary);
      const shown = bytes.length > SHOWN_DOCUMENT_BYTES ? bytes.subarray(0, SHOWN_DOCUMENT_BYTES) : bytes;
      const text = decoder.decode(shown) + (shown === bytes ? '' : `\n… ${bytes.length - shown.length} more bytes in the download`);
      details.append(element('pre', 'document', text));
      item.append(details);
    }
  }

  function show(result, input) {
    const { parts, element: item } = result;
    const text = (name) => decoder.decode(parts.get(name));
    const files = outputFiles(result);
    item.dataset.state = parts.has('failure') ? 'failed' : 'done';
    const actions = element('span', 'actions');
    if (files.length === 1) actions.append(button('Download', () => download(files[0][0], files[0][1])));
    if (files.length > 1) actions.append(button('Download (zip)', () => download(stem(result.fileName) + '.zip', zip(files))));
    actions.append(button('Inspect', () => inspect(input)));
    item.querySelector('.title').after(actions);
    if (parts.has('summary')) item.append(element('div', 'summary', text('summary')));
    if (parts.has('failure')) item.append(element('pre', 'failure', text('failure')));
    if (parts.has('warning')) item.append(element('p', 'warning', text('warning')));
    showDocuments(item, files);
  }

  function progress() {
    $('progress').textContent = `${finished} of ${results.length} records done, ` +
      `${results.filter((r) => r.parts && r.parts.has('failure')).length} failed.`;
    $('download-all').disabled = finished < results.length || !results.some((r) => r.parts && !r.parts.has('failure'));
  }

  // Queues one input (its content to come); its row shows it waiting, then
  // its answer. Rows keep the order the inputs were given in.
  function convert(fileName, contentComing) {
    const input = {
      fileName,
      kind: $('kind').value,
      type: $('type').value.trim() || 'auto',
      maxDocumentMb: Number($('max-document').value) || 256,
    };
    const item = element('li');
    item.dataset.state = 'waiting';
    item.append(element('span', 'title', fileName),
                element('span', 'what', input.kind === 'scene' ? 'scene' : `${input.kind} ${input.type}`));
    $('results').append(item);
    const result = { fileName, kind: input.kind, parts: null, element: item };
    results.push(result);
    progress();
    return contentComing.then((content) => {
      input.content = content;
      return ask('convert', input);
    }).then((parts) => {
      result.parts = parts;
      finished++;
      show(result, input);
      progress();
    });
  }

  function convertFiles(fileList) {
    for (const file of fileList) convert(file.name, file.arrayBuffer().then((buffer) => new Uint8Array(buffer)));
  }

  // Several inputs of one name get "-2", "-3", ... before the extension in the archive.
  function downloadAll() {
    const used = new Set();
    const files = [];
    for (const result of results) {
      for (const [name, bytes] of outputFiles(result)) {
        let unique = name;
        for (let n = 2; used.has(unique); n++) unique = name.replace(/^([^/]*?)(\.xml)?(\/|$)/, `$1-${n}$2$3`);
        used.add(unique);
        files.push([unique, bytes]);
      }
    }
    download('noxbin2xml.zip', zip(files));
  }

  const drop = $('drop');
  drop.addEventListener('dragover', (event) => { event.preventDefault(); drop.classList.add('over'); });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('over');
    convertFiles(event.dataTransfer.files);
  });
  $('files').addEventListener('change', (event) => {
    convertFiles(event.target.files);
    event.target.value = '';
  });
  $('convert-paste').addEventListener('click', () => {
    convert($('paste-name').value.trim() || 'pasted', Promise.resolve(new TextEncoder().encode($('paste').value)));
  });
  $('download-all').addEventListener('click', downloadAll);
})();
