// The interactive page: builds the grid and word list from the embedded puzzle data and lets
// a pupil select words by mouse drag, tap and tap, touch drag or keyboard alone.
'use strict';
(function () {
  const data = JSON.parse(document.getElementById('puzzle-data').textContent);
  const $ = (id) => document.getElementById(id);
  const SVG = 'http://www.w3.org/2000/svg';
  const cols = data.columns;
  const rows = data.rows;
  const words = data.words;
  const found = words.map(() => false);
  let shown = false;
  let start = null;     // the cell a tap or the keyboard chose as a word's first
  let press = null;     // the cell a pointer went down on, while it is down
  let moved = false;    // whether that pointer has been over another cell since
  let focusCell = null; // the grid's one cell in the tab order

  // Texts go in as text nodes only; the data never becomes markup.
  function lines(box, list, tag) {
    for (const line of list || []) {
      const el = document.createElement(tag);
      el.dir = 'auto';
      el.textContent = line;
      box.appendChild(el);
    }
  }

  function buildHead() {
    const title = $('title');
    (data.title || []).forEach((line, i) => {
      if (i > 0) title.appendChild(document.createElement('br'));
      title.appendChild(document.createTextNode(line));
    });
    const joined = (data.title || []).join(' ').trim();
    if (joined) document.title = joined;
    const sheet = $('worksheet');
    for (const side of [data.worksheetLeft, data.worksheetRight]) {
      if (!side || !side.length) continue;
      const box = document.createElement('div');
      lines(box, side, 'div');
      sheet.appendChild(box);
    }
    lines($('instructions'), data.instructions, 'p');
    $('credits').textContent = data.credits || '';
  }

  const cellAt = [];  // [row][col], both 1-based
  function buildGrid() {
    const grid = $('grid');
    grid.style.setProperty('--cols', String(cols));
    $('gridbox').style.setProperty('--cols', String(cols));
    grid.setAttribute('aria-rowcount', String(rows));
    grid.setAttribute('aria-colcount', String(cols));
    for (let r = 1; r <= rows; r++) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      cellAt[r] = [];
      for (let c = 1; c <= cols; c++) {
        const cell = document.createElement('div');
        cell.className = 'cell';
        cell.setAttribute('role', 'gridcell');
        cell.dataset.col = String(c);
        cell.dataset.row = String(r);
        cell.tabIndex = -1;
        cell.textContent = data.cells[(r - 1) * cols + (c - 1)];
        row.appendChild(cell);
        cellAt[r][c] = cell;
      }
      grid.appendChild(row);
    }
    const marks = $('marks');
    marks.setAttribute('viewBox', '0 0 ' + cols + ' ' + rows);
    marks.setAttribute('preserveAspectRatio', 'none');
    if (rows > 0 && cols > 0) setFocusCell(cellAt[1][1]);
  }

  const items = [];
  function buildList() {
    $('listhead').textContent = data.clues ? 'Clues' : 'Words';
    const list = $('words');
    $('mysterynote').hidden = !data.mystery;
    words.forEach((word) => {
      const li = document.createElement('li');
      // The item takes the direction of its text, so a right-to-left word keeps its tick at
      // its start (a child with its own dir would not count).
      li.dir = 'auto';
      const tick = document.createElement('span');
      tick.className = 'tick';
      tick.setAttribute('aria-hidden', 'true');
      const text = document.createElement('span');
      text.className = 'text';
      text.textContent = word.text;
      const state = document.createElement('span');
      state.className = 'sr';
      li.append(tick, text, state);
      list.appendChild(li);
      items.push(li);
    });
  }

  function cellOf(node) {
    const el = node && node.closest ? node.closest('.cell') : null;
    return el && $('grid').contains(el) ? el : null;
  }
  const colOf = (cell) => Number(cell.dataset.col);
  const rowOf = (cell) => Number(cell.dataset.row);

  function setFocusCell(cell) {
    if (focusCell) focusCell.tabIndex = -1;
    focusCell = cell;
    cell.tabIndex = 0;
  }

  // The cells from a to b when they lie on one of the eight lines, else just a.
  function lineCells(a, b) {
    const dc = colOf(b) - colOf(a);
    const dr = rowOf(b) - rowOf(a);
    if (dc !== 0 && dr !== 0 && Math.abs(dc) !== Math.abs(dr)) return [a];
    const n = Math.max(Math.abs(dc), Math.abs(dr));
    const out = [];
    for (let k = 0; k <= n; k++)
      out.push(cellAt[rowOf(a) + Math.sign(dr) * k][colOf(a) + Math.sign(dc) * k]);
    return out;
  }

  function showPick(a, b) {
    for (const el of document.querySelectorAll('.cell.pick')) el.classList.remove('pick');
    if (!a) return;
    for (const el of lineCells(a, b || a)) el.classList.add('pick');
  }

  function setStart(cell) {
    if (start) {
      start.classList.remove('start');
      start.removeAttribute('aria-selected');
    }
    start = cell;
    if (cell) {
      cell.classList.add('start');
      cell.setAttribute('aria-selected', 'true');
    }
  }

  // A word matches a selection whose ends are its first and last cells, either way round.
  function matchWord(a, b) {
    const ac = colOf(a), ar = rowOf(a), bc = colOf(b), br = rowOf(b);
    let again = -1;
    for (let i = 0; i < words.length; i++) {
      const p = words[i].cells;
      const n = p.length;
      if (n < 2) continue;
      const fc = p[0], fr = p[1], lc = p[n - 2], lr = p[n - 1];
      const hit = (fc === ac && fr === ar && lc === bc && lr === br) ||
                  (fc === bc && fr === br && lc === ac && lr === ar);
      if (!hit) continue;
      if (!found[i]) return i;
      again = i;
    }
    return again === -1 ? -1 : -2 - again;
  }

  function say(text) { $('note').textContent = text; }

  function trySelection(a, b) {
    const i = matchWord(a, b);
    if (i >= 0) {
      found[i] = true;
      say('Found: ' + words[i].text);
      update();
    } else if (i <= -2) {
      say('Already found: ' + words[-2 - i].text);
    } else {
      say('That is not one of the words.');
    }
  }

  function polyline(points, cls) {
    const el = document.createElementNS(SVG, 'polyline');
    el.setAttribute('points', points);
    el.setAttribute('class', cls);
    return el;
  }

  function drawMarks() {
    const marks = $('marks');
    marks.replaceChildren();
    words.forEach((word, i) => {
      if (!found[i] && !shown) return;
      const p = word.cells;
      const pts = [];
      for (let k = 0; k < p.length; k += 2) pts.push((p[k] - 0.5) + ',' + (p[k + 1] - 0.5));
      // A round cap on a line of no length still draws a dot.
      if (pts.length === 1) pts.push((p[0] - 0.499) + ',' + (p[1] - 0.5));
      const kind = found[i] ? '' : ' shown';
      marks.append(polyline(pts.join(' '), 'edge' + kind), polyline(pts.join(' '), 'fill' + kind));
    });
  }

  function update() {
    const n = found.filter(Boolean).length;
    const all = n === words.length && words.length > 0;
    $('progress').textContent = n + ' of ' + words.length + ' found' + (all ? '. Well done!' : '');
    items.forEach((li, i) => {
      li.classList.toggle('found', found[i]);
      li.querySelector('.tick').textContent = found[i] ? '\u2713' : '';
      li.querySelector('.sr').textContent = found[i] ? ' (found)' : '';
    });
    for (const el of document.querySelectorAll('.cell.found')) el.classList.remove('found');
    words.forEach((word, i) => {
      if (!found[i]) return;
      for (let k = 0; k < word.cells.length; k += 2) cellAt[word.cells[k + 1]][word.cells[k]].classList.add('found');
    });
    $('done').hidden = !all;
    const message = (data.message || '').trim();
    $('message').hidden = !(message && (all || shown));
    if (message && !$('message').firstChild) {
      const label = document.createElement('strong');
      label.textContent = 'Hidden message:';
      const text = document.createElement('div');
      text.dir = 'auto';  // the message reads in its own direction under the label
      text.textContent = data.message;
      $('message').append(label, text);
    }
    $('solution').textContent = shown ? 'Hide solution' : 'Show solution';
    $('words').classList.toggle('mystery', Boolean(data.mystery) && !shown);
    drawMarks();
  }

  // --- Pointer: a press and release on two cells is a drag; on one cell it is a tap.
  function onDown(e) {
    if (e.button !== undefined && e.button > 0) return;
    const cell = cellOf(e.target);
    if (!cell) return;
    e.preventDefault();
    // Touch captures the pointer to the first cell; the cell under it is found by position.
    if (e.target.hasPointerCapture && e.target.hasPointerCapture(e.pointerId))
      e.target.releasePointerCapture(e.pointerId);
    press = cell;
    moved = false;
    setFocusCell(cell);
    cell.focus({ preventScroll: true });
    showPick(cell, cell);
  }

  function cellUnder(e) {
    return cellOf(document.elementFromPoint(e.clientX, e.clientY));
  }

  function onMove(e) {
    if (!press) return;
    const cell = cellUnder(e);
    if (cell !== press) moved = true;
    if (cell) showPick(press, cell);
  }

  function onUp(e) {
    if (!press) return;
    const from = press;
    press = null;
    showPick(null);
    let to = cellUnder(e);
    if (!to) {
      // Let go outside the grid after a drag: nothing chosen.
      if (moved) return;
      to = from;
    }
    if (to !== from) {
      setStart(null);
      trySelection(from, to);
    } else {
      choose(to);
    }
    setFocusCell(to);
    to.focus({ preventScroll: true });
  }

  function onCancel() {
    press = null;
    showPick(null);
  }

  // A tap or Space/Enter: the first marks the start, the second the end.
  function choose(cell) {
    if (!start) {
      setStart(cell);
      say('Start chosen. Now choose the last letter.');
      return;
    }
    const from = start;
    setStart(null);
    showPick(null);
    if (from === cell) {
      const single = words.findIndex((w, i) => !found[i] && w.cells.length === 2 &&
                                      w.cells[0] === colOf(cell) && w.cells[1] === rowOf(cell));
      if (single >= 0) {
        found[single] = true;
        say('Found: ' + words[single].text);
        update();
      } else {
        say('Start dropped.');
      }
      return;
    }
    trySelection(from, cell);
  }

  function onKey(e) {
    const cell = cellOf(e.target);
    if (!cell) return;
    let c = colOf(cell), r = rowOf(cell);
    switch (e.key) {
      case 'ArrowLeft': c--; break;
      case 'ArrowRight': c++; break;
      case 'ArrowUp': r--; break;
      case 'ArrowDown': r++; break;
      case 'Home': c = 1; if (e.ctrlKey) r = 1; break;
      case 'End': c = cols; if (e.ctrlKey) r = rows; break;
      case ' ':
      case 'Enter':
        e.preventDefault();
        choose(cell);
        return;
      case 'Escape':
        if (start) {
          setStart(null);
          say('Start dropped.');
        }
        e.preventDefault();
        return;
      default:
        return;
    }
    e.preventDefault();
    c = Math.min(Math.max(c, 1), cols);
    r = Math.min(Math.max(r, 1), rows);
    const next = cellAt[r][c];
    setFocusCell(next);
    next.focus();
    if (start) showPick(start, next);
  }

  function startAgain() {
    found.fill(false);
    shown = false;
    setStart(null);
    showPick(null);
    say('');
    update();
  }

  buildHead();
  buildGrid();
  buildList();
  const grid = $('grid');
  grid.addEventListener('pointerdown', onDown);
  document.addEventListener('pointermove', onMove);
  document.addEventListener('pointerup', onUp);
  document.addEventListener('pointercancel', onCancel);
  grid.addEventListener('keydown', onKey);
  grid.addEventListener('contextmenu', (e) => e.preventDefault());
  $('solution').addEventListener('click', () => { shown = !shown; update(); });
  $('again').addEventListener('click', startAgain);
  update();
})();
