// Draws the record inspector from the data embedded in the page: the tree of
// records and their fields, the bytes they were read from, and the converted
// documents or the failure. Every byte a field (or a record's version word)
// was read from carries that field's number in data-s; the hex rows are
// drawn as they scroll into view, or all at once with the fragment #all.
'use strict';
(function () {
  const data = JSON.parse(document.getElementById('inspector-data').textContent);
  const COLOURS = 10;            // record colours c0..c9 of the style
  const PER_ROW = 16;
  const PAST_END_LIMIT = 4096;   // at most this many cells for reads past the last byte
  const CHUNK = 32;              // rows drawn together while scrolling
  const drawEveryRow = location.hash === '#all';

  const bytes = decodeBase64(data.bytes);
  const size = data.size;
  const spans = [];              // {id, record, offset, end, element}: a field or a version word
  const failures = new Map();    // offset -> why the reads failed there

  const tree = document.getElementById('tree');
  const scroller = document.getElementById('hex-scroll');
  const hexBox = document.getElementById('hex');
  const rowsBox = element('div', 'rows');
  hexBox.append(rowsBox);

  function decodeBase64(text) {
    const raw = atob(text);
    const out = new Uint8Array(raw.length);
    for (let i = 0; i < raw.length; i++) out[i] = raw.charCodeAt(i);
    return out;
  }

  function hex(n) { return '0x' + n.toString(16); }

  function element(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // ---------------------------------------------------------------- records

  // Every record and the byte ranges it read (its version word and fields),
  // in reading order: a nested record's ranges come after those of the
  // field holding it, so they paint over them.
  const records = [];
  function collect(node, parent) {
    const record = { node: node, parent: parent, colour: records.length % COLOURS, ranges: [], children: [] };
    records.push(record);
    if (node.version !== undefined) addRange(record, { name: 'version word', offset: node.offset, size: 4, value: String(node.version) });
    for (const field of node.fields || []) addRange(record, field);
    if (node.failure) {
      const reasons = failures.get(node.failure.offset) || [];
      failures.set(node.failure.offset, reasons.concat(node.class + ': ' + node.failure.reason));
    }
    for (const child of node.children) record.children.push(collect(child, record));
    return record;
  }

  function addRange(record, field) {
    const span = { id: spans.length, record: record, field: field, offset: field.offset, end: field.offset + field.size,
                   odd: record.ranges.length % 2 === 1 };
    spans.push(span);
    record.ranges.push(span);
  }

  const topRecords = data.records.map(node => collect(node, null));

  // ---------------------------------------------------------------- tree

  // Records are drawn open until this many are (all of them for #all); the
  // others draw their content when first opened.
  let openBudget = drawEveryRow ? Infinity : 500;

  function rangeLine(span) {
    const field = span.field;
    const box = element('div', 'field');
    Object.assign(box.dataset, { s: span.id, o: field.offset, n: field.size });
    const line = element('div', 'line c' + span.record.colour);
    line.append(element('span', 'name', field.name), element('span', 'at', '@' + hex(field.offset)),
                element('span', 'size', field.size + ' B'));
    if (field.type) line.append(element('span', 'type', field.type));
    if (field.since > 1) line.append(element('span', 'since', 'since v' + field.since));
    if (field.value) line.append(element('span', 'value', field.value));
    box.append(line);
    span.element = box;
    return box;
  }

  function recordHeader(record) {
    const node = record.node;
    const summary = element('summary', 'c' + record.colour);
    summary.append(element('span', 'class', node.class), element('span', 'at', '@' + hex(node.offset)));
    if (node.version !== undefined) summary.append(element('span', 'version', 'v' + node.version));
    for (const [key, value] of node.notes || []) summary.append(element('span', 'note', key + '="' + value + '"'));
    if (node.failure) {
      const failure = element('a', 'failure', 'FAILED @' + hex(node.failure.offset) + ': ' + node.failure.reason);
      failure.href = '#';
      failure.dataset.jump = node.failure.offset;
      summary.append(failure);
    }
    return summary;
  }

  function recordBox(record) {
    const box = element('details', 'record');
    box.dataset.o = record.node.offset;
    if (record.node.failure) box.dataset.failureOffset = record.node.failure.offset;
    box.append(recordHeader(record));
    box.addEventListener('toggle', () => { if (box.open) fill(record); });
    record.box = box;
    if (openBudget-- > 0) fill(record);
    return box;
  }

  // A record's content: its version word and fields, and the records nested
  // in it placed under the field whose bytes hold them.
  function fill(record) {
    const box = record.box;
    box.open = true;
    if (record.filled) return;
    record.filled = true;
    const lines = record.ranges.map(span => ({ span: span, box: rangeLine(span) }));
    let next = 0;
    let holder = null;
    for (const child of record.children) {
      for (; next < lines.length && lines[next].span.offset <= child.node.offset; next++) {
        holder = lines[next];
        box.append(holder.box);
      }
      const held = holder && child.node.offset < holder.span.end;
      (held ? holder.box : box).append(recordBox(child));
    }
    for (; next < lines.length; next++) box.append(lines[next].box);
  }

  for (const record of topRecords) tree.append(recordBox(record));

  // ---------------------------------------------------------------- bytes

  // Cells past the last byte show where reads went on or failed there.
  let lastFailure = -1;
  for (const offset of failures.keys()) lastFailure = Math.max(lastFailure, offset);
  const shown = Math.min(Math.max(size, data.readEnd, lastFailure + 1), size + PAST_END_LIMIT);
  const rows = Math.ceil(shown / PER_ROW);
  const owner = new Int32Array(shown).fill(-1);
  for (const span of spans) owner.fill(span.id, Math.min(span.offset, shown), Math.min(span.end, shown));

  const HEX = [], CHARS = [];
  for (let b = 0; b < 256; b++) {
    HEX.push(b.toString(16).padStart(2, '0'));
    const c = b >= 0x20 && b < 0x7f ? String.fromCharCode(b) : '.';
    CHARS.push({ '<': '&lt;', '>': '&gt;', '&': '&amp;' }[c] || c);
  }

  let hovered = -1;
  let selected = -1;

  function cellAttributes(offset) {
    const id = owner[offset];
    const classes = [id >= 0 ? 'c' + spans[id].record.colour : offset < data.readEnd ? 'gap' : 'unread'];
    if (id >= 0 && spans[id].odd) classes.push('odd');
    if (offset >= size) classes.push('past');
    if (failures.has(offset)) classes.push('fail');
    if (id >= 0 && id === hovered) classes.push('hov');
    if (id >= 0 && id === selected) classes.push('sel');
    let attributes = ' class="' + classes.join(' ') + '" data-o="' + offset + '"';
    if (id >= 0) attributes += ' data-s="' + id + '"';
    if (failures.has(offset)) attributes += ' title="' + escapeAttribute(failures.get(offset).join('\n')) + '"';
    return attributes;
  }

  function escapeAttribute(text) {
    return text.replace(/[&<>"]/g, c => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' }[c]));
  }

  function rowHtml(row) {
    const first = row * PER_ROW;
    let cells = '';
    let text = '';
    for (let offset = first; offset < Math.min(first + PER_ROW, shown); offset++) {
      const attributes = cellAttributes(offset);
      const past = offset >= size;
      cells += '<span' + attributes + '>' + (past ? '--' : HEX[bytes[offset]]) + '</span>';
      text += '<span' + attributes + '>' + (past ? ' ' : CHARS[bytes[offset]]) + '</span>';
    }
    return '<div class="row"><span class="offset">' + first.toString(16).padStart(8, '0') +
           '</span><span class="cells">' + cells + '</span><span class="text">' + text + '</span></div>';
  }

  function drawRows(from, to) {
    let html = '';
    for (let row = from; row < to; row++) html += rowHtml(row);
    rowsBox.innerHTML = html;
    rowsBox.style.top = from * rowHeight + 'px';
  }

  // The rows around the visible ones, redrawn when scrolling leaves them.
  let drawn = [-1, -1];
  function drawVisible() {
    const top = Math.floor(scroller.scrollTop / rowHeight);
    const bottom = Math.ceil((scroller.scrollTop + scroller.clientHeight) / rowHeight);
    const from = Math.max(0, (Math.floor(top / CHUNK) - 1) * CHUNK);
    const to = Math.min(rows, (Math.floor(bottom / CHUNK) + 2) * CHUNK);
    if (from === drawn[0] && to === drawn[1]) return;
    drawn = [from, to];
    drawRows(from, to);
  }

  // One row drawn in the flow gives the size of all; the lazy view places
  // its rows absolutely, so it takes its width from that row too.
  let rowHeight = 1;
  drawRows(0, Math.min(rows, 1));
  const firstRow = rowsBox.firstChild && rowsBox.firstChild.getBoundingClientRect();
  if (firstRow) rowHeight = firstRow.height || 1;
  if (drawEveryRow) {
    drawRows(0, rows);
  } else {
    hexBox.classList.add('lazy');
    hexBox.style.height = rows * rowHeight + 'px';
    if (firstRow) hexBox.style.width = Math.ceil(firstRow.width) + 'px';
    drawVisible();
    scroller.addEventListener('scroll', drawVisible);
    window.addEventListener('resize', drawVisible);
  }

  // ---------------------------------------------------------------- linking

  function mark(id, className, on) {
    if (id < 0) return;
    if (spans[id].element) spans[id].element.classList.toggle(className, on);
    for (const cell of rowsBox.querySelectorAll('[data-s="' + id + '"]')) cell.classList.toggle(className, on);
  }

  function hover(id) {
    if (id === hovered) return;
    mark(hovered, 'hov', false);
    hovered = id;
    mark(id, 'hov', true);
  }

  function showOffset(offset) {
    scroller.scrollTop = Math.max(0, Math.floor(offset / PER_ROW) * rowHeight - scroller.clientHeight / 3);
    if (!drawEveryRow) drawVisible();
  }

  // Opens (and draws) the records down to the span's line.
  function showInTree(id) {
    const path = [];
    for (let record = spans[id].record; record; record = record.parent) path.unshift(record);
    for (const record of path) fill(record);
    spans[id].element.classList.add('sel');
    spans[id].element.scrollIntoView({ block: 'nearest' });
  }

  function select(id, fromTree) {
    mark(selected, 'sel', false);
    selected = id;
    mark(id, 'sel', true);
    if (fromTree) showOffset(spans[id].offset);
    else showInTree(id);
  }

  function treeSpan(target) {
    const line = target.closest('.line');
    return line ? Number(line.parentElement.dataset.s) : -1;
  }

  function cellSpan(target) {
    return target.dataset && target.dataset.s !== undefined ? Number(target.dataset.s) : -1;
  }

  tree.addEventListener('mouseover', event => hover(treeSpan(event.target)));
  hexBox.addEventListener('mouseover', event => hover(cellSpan(event.target)));
  for (const pane of [tree, hexBox]) pane.addEventListener('mouseleave', () => hover(-1));
  tree.addEventListener('click', event => {
    const id = treeSpan(event.target);
    if (id >= 0) select(id, true);
  });
  hexBox.addEventListener('click', event => {
    const id = cellSpan(event.target);
    if (id >= 0) select(id, false);
  });
  document.addEventListener('click', event => {
    const jump = event.target.closest('[data-jump]');
    if (!jump) return;
    event.preventDefault();
    const offset = Number(jump.dataset.jump);
    showOffset(offset);
    if (offset < shown && owner[offset] >= 0) select(owner[offset], true);
  });

  // ---------------------------------------------------------------- result

  // Failure chain lines, their offsets linked to the bytes.
  function chainLine(line) {
    const box = element('div', 'chain-line');
    line.split(/(@0x[0-9a-f]+)/).forEach((part, i) => {
      if (i % 2 === 0) { box.append(part); return; }
      const link = element('a', 'jump', part);
      link.href = '#';
      link.dataset.jump = parseInt(part.slice(3), 16);
      box.append(link);
    });
    return box;
  }

  const result = document.getElementById('result');
  document.getElementById('result-title').textContent = data.converted ? 'Converted' : 'Does not convert';
  if (!data.converted) {
    const chain = element('div', 'chain');
    for (const line of data.failure.split('\n').filter(Boolean)) chain.append(chainLine(line));
    result.append(chain);
  }
  if (data.note) result.append(element('p', 'read-note', data.note));
  for (const part of data.documents) {
    result.append(element('h3', 'document-name', part.name), element('pre', 'document', part.text));
    if (part.omitted) result.append(element('p', 'read-note', '… and ' + part.omitted + ' more bytes, not shown here'));
  }

  document.title = data.title + ' · record inspector';
  document.getElementById('title').textContent = data.title;
  document.getElementById('summary').textContent = [
    data.command, size + ' bytes', records.length + ' records', spans.length + ' fields and version words',
    'reads ended @' + hex(data.readEnd), data.converted ? 'converted' : 'does not convert'
  ].join(' · ');
  document.body.dataset.ready = 'true';
})();
