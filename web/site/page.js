// The page around the unit: it draws what the unit's module composed, hands
// it keys, touches and pads, plays its sound and keeps its settings and
// saved moments in the browser's storage. Everything the unit decides is
// in the module.
import Ignivar from './ignivar.js';

const $ = (id) => document.getElementById(id);
const canvas = $('unit');
const ctx = canvas.getContext('2d', { alpha: false });
const store = {
  get(name) { try { return localStorage.getItem('ignivar.' + name); } catch { return null; } },
  set(name, value) {
    try { localStorage.setItem('ignivar.' + name, value); return true; } catch (e) {
      say(`The browser keeps nothing of this page (${e.name}): settings and saved games last only until it closes.`);
      return false;
    }
  },
};
const SET_BUTTON = 7;         // the case's set button is not pressed by hand

let M = null;                 // the unit's module
let t0 = 0;
let timer = 0;
let audio = null;             // { context, node } once sound may play
let muted = false;            // as the unit's settings keep it
let rewinding = 0;            // the rewind's timer while Backspace is held
const pointers = new Map();   // pointer id -> the button it holds
// What the page did, for its tests, its benchmark and anyone curious in the
// console: the module, the sound chunks and canvas draws so far, when the
// first frame was drawn, how long the unit took to start and the main
// thread's time in frames that changed the picture.
const seen = { module: null, listening: false, soundChunks: 0, draws: 0, layouts: 0, firstFrame: 0, startMs: 0, changedFrames: 0, changedMs: 0 };
window.ignivarPage = seen;

function say(text) { $('message').textContent = text; }

function cString(text) {
  const size = M.lengthBytesUTF8(text) + 1;
  const p = M._malloc(size);
  M.stringToUTF8(text, p, size);
  return p;
}

// The unit's place on the screen, in device pixels.
function place() {
  const stage = $('stage'), dpr = window.devicePixelRatio || 1;
  return [stage.clientWidth * dpr, stage.clientHeight * dpr];
}

// The unit as large as its place allows, its pixels the screen's.
function fit() {
  const stage = $('stage');
  const w = M._ign_skin_width(), h = M._ign_skin_height();
  const k = Math.min(stage.clientWidth / w, stage.clientHeight / h);
  canvas.style.width = `${Math.floor(w * k)}px`;
  canvas.style.height = `${Math.floor(h * k)}px`;
}

function layout() {
  seen.layouts++;
  fit();
  const scale = M._ign_scale_for(...place());
  if (scale !== M._ign_scale()) M._ign_set_scale(scale);
  frame();
}

function draw(count) {
  seen.draws++;
  const w = M._ign_width(), h = M._ign_height();
  if (canvas.width !== w || canvas.height !== h) {
    canvas.width = w;
    canvas.height = h;
  }
  const r = new Int32Array(M.HEAPU8.buffer, M._ign_rects(), count * 4);
  let at = M._ign_rgba();
  for (let i = 0; i < count; i++) {
    const [x, y, rw, rh] = r.subarray(4 * i, 4 * i + 4);
    ctx.putImageData(new ImageData(new Uint8ClampedArray(M.HEAPU8.buffer, at, rw * rh * 4), rw, rh), x, y);
    at += rw * rh * 4;
  }
}

function sound() {
  const frames = M._ign_audio_frames();
  if (!audio || frames === 0) return false;
  const pcm = new Int16Array(M.HEAPU8.buffer, M._ign_audio(), frames * 2);
  let loud = false;
  const chunk = new Float32Array(frames * 2);
  for (let i = 0; i < chunk.length; i++) {
    chunk[i] = pcm[i] / 32768;
    if (pcm[i] !== 0) loud = true;
  }
  if (loud) {
    audio.node.port.postMessage(chunk, [chunk.buffer]);
    seen.soundChunks++;
  }
  return loud;
}

// Sets a text or an attribute only when it changes: the page is not laid
// out again, nor a screen reader told, for nothing.
function put(element, text, attribute) {
  const now = attribute ? element.getAttribute(attribute) : element.textContent;
  if (now === text) return;
  if (attribute) element.setAttribute(attribute, text);
  else element.textContent = text;
}

function tell(changed) {
  const said = M.UTF8ToString(M._ign_said());
  if (said) $('said').textContent = said;
  if (changed) put($('face'), M.UTF8ToString(M._ign_words()));
  if (M._ign_missed() && navigator.vibrate) navigator.vibrate(80);
  const settings = M._ign_settings();
  if (settings) store.set('settings', M.UTF8ToString(settings));
  put($('pause'), M._ign_paused() ? 'true' : 'false', 'aria-pressed');
  if (M._ign_kept()) {
    keepFolder();
    if ($('scores').open) showTables();
  }
}

function bytesToText(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}
const textToBytes = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));

function offer(bytes, name) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

// The folder of replays, kept in the browser's IndexedDB.
async function mountKept() {
  try {
    M.FS.mkdir('/kept');
    M.FS.mount(M.FS.filesystems.IDBFS, {}, '/kept');
    await new Promise((resolve, reject) => M.FS.syncfs(true, (e) => (e ? reject(e) : resolve())));
    return true;
  } catch (e) {
    say(`The browser keeps no replays for this page (${e.message || e}): games are played but not kept.`);
    return false;
  }
}

function keepFolder() {
  M.FS.syncfs(false, (e) => { if (e) say('The last game could not be kept: the browser\'s storage is full or switched off.'); });
}

function showTables() {
  for (const game of ['A', 'B']) {
    const body = $(`table-${game}`);
    body.replaceChildren();
    const lines = M.UTF8ToString(M._ign_table(game.charCodeAt(0))).split('\n').filter(Boolean);
    for (const [i, line] of lines.entries()) {
      const [score, date, file] = line.split('\t');
      const row = body.insertRow();
      row.insertCell().textContent = String(i + 1);
      row.insertCell().textContent = score;
      row.insertCell().textContent = new Date(date).toLocaleString();
      const get = document.createElement('button');
      get.type = 'button';
      get.textContent = 'Download';
      get.setAttribute('aria-label', `Download the replay of game ${game}, ${score} points`);
      get.onclick = () => offer(M.FS.readFile(`/kept/replays/${file}`), file);
      row.insertCell().append(get);
    }
    if (lines.length === 0) body.insertRow().insertCell().textContent = 'No game yet.';
  }
}

// A game left open goes on where it was at the next visit.
function keepResume() {
  if (!M) return;
  if (!M._ign_game_on()) { try { localStorage.removeItem('ignivar.resume'); } catch { /* nothing kept */ } return; }
  const p = M._ign_save();
  store.set('resume', bytesToText(M.HEAPU8.subarray(p, p + M._ign_bytes_size())));
}

// Runs the unit up to now, draws what changed, and sleeps until it must run again.
function frame() {
  clearTimeout(timer);
  const begun = performance.now();
  const count = M._ign_advance(begun - t0);
  if (count > 0) draw(count);
  if (!seen.firstFrame) seen.firstFrame = performance.now();
  const loud = sound();
  tell(count > 0);
  if (count > 0) {
    seen.changedFrames++;
    seen.changedMs += performance.now() - begun;
  }
  const due = M._ign_due_in();
  // While a sound plays, its next part is mixed a frame at a time.
  const wait = loud ? Math.min(16, due < 0 ? 16 : due) : due;
  if (wait >= 0) timer = setTimeout(() => requestAnimationFrame(frame), Math.max(0, wait - 2));
}

async function startSound() {
  if (audio || muted) return;
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context || !window.AudioWorkletNode) { say('This browser has no WebAudio: the unit plays without sound.'); return; }
  try {
    const context = new Context({ sampleRate: 44100, latencyHint: 'interactive' });
    await context.audioWorklet.addModule('audio.js');
    const node = new AudioWorkletNode(context, 'unit-sound', { outputChannelCount: [2] });
    node.connect(context.destination);
    await context.resume();
    audio = { context, node };
  } catch (e) {
    say(`The sound could not start (${e.message}).`);
  }
}

// The LCD's looks and the strengths of unlit segments, as the unit names them.
function lookChoices() {
  const lines = (p) => M.UTF8ToString(p).split('\n').filter(Boolean);
  lines(M._ign_look_names()).forEach((name, i) => $('look').add(new Option(name, String(i))));
  for (const line of lines(M._ign_unlit_choices())) {
    const [strength, name] = line.split('\t');
    $('unlit').add(new Option(name, strength));
  }
  $('look').value = String(M._ign_look(-1, 0));
  $('unlit').value = String(M._ign_look_unlit());
  $('look').onchange = $('unlit').onchange = () => {
    M._ign_look(Number($('look').value), Number($('unlit').value));
    frame();
  };
}

function setMuted(value) {
  muted = M._ign_mute(value ? 1 : 0) === 1;
  $('sound').setAttribute('aria-pressed', muted ? 'false' : 'true');
  if (!muted) startSound();
  frame();
}

// Rewind while Backspace is held: a tenth of a second of play every 33 ms.
function rewind(held) {
  clearInterval(rewinding);
  rewinding = 0;
  if (held) {
    frame();
    if (!M._ign_rewind(1)) { say('No game to run back.'); return; }
    rewinding = setInterval(() => {
      if (!M._ign_rewind_step()) { rewind(false); say('Rewound as far as it goes.'); }
      frame();
    }, 33);
  } else {
    M._ign_rewind(0);
  }
  frame();
}

// The page's own keys, where the desktop's are kept by browsers (F5
// reloads, F6 goes to the address bar, F7 asks about caret browsing).
const PAGE_KEYS = {
  19: (down) => down && togglePause(),   // Pause
  8: rewind,                             // Backspace, held
  45: (down) => down && saveMoment(),    // Insert
  120: (down) => down && loadMoment(),   // F9
};

function onKey(e, down) {
  if (e.target instanceof HTMLInputElement || e.target instanceof HTMLSelectElement) return;
  const k = e.keyCode;
  if (PAGE_KEYS[k]) {
    e.preventDefault();
    if (!e.repeat) PAGE_KEYS[k](down);
    return;
  }
  if (e.ctrlKey && k !== 17 && down) return;  // the browser's own shortcuts stay its own
  if (e.repeat) {
    if (M._ign_key(k, -1)) e.preventDefault();
    return;
  }
  if (down) startSound();
  frame();
  if (M._ign_key(k, down ? 1 : 0)) e.preventDefault();
  frame();
}

function pointAt(e) {
  const box = canvas.getBoundingClientRect();
  return [Math.floor((e.clientX - box.left) * canvas.width / box.width),
          Math.floor((e.clientY - box.top) * canvas.height / box.height)];
}

function hold(id, button) {
  const old = pointers.get(id);
  if (old === button) return;
  frame();
  if (old !== undefined) { M._ign_button(old, 0); pointers.delete(id); }
  if (button !== undefined) { M._ign_button(button, 1); pointers.set(id, button); }
  frame();
}

function onPointer(e) {
  if (e.type === 'pointerdown') startSound();
  if (e.type === 'pointerup' || e.type === 'pointercancel') { hold(e.pointerId, undefined); return; }
  if (e.type === 'pointermove' && !pointers.has(e.pointerId)) return;
  // A finger reaches a button a few millimetres off (24 CSS pixels).
  const reach = e.pointerType === 'touch' ? Math.round(24 * canvas.width / canvas.getBoundingClientRect().width) : 0;
  const b = M._ign_button_at(...pointAt(e), reach);
  hold(e.pointerId, b >= 0 && b !== SET_BUTTON ? b : undefined);
  if (e.type === 'pointerdown') { canvas.setPointerCapture(e.pointerId); e.preventDefault(); }
}

function letGo() {
  for (const id of [...pointers.keys()]) hold(id, undefined);
}

// Pads in the browser's standard layout, read every frame while one is plugged in.
let padState = '';
let padsRead = false;
function readPads() {
  const pads = [...(navigator.getGamepads?.() || [])].filter((p) => p && p.mapping === 'standard');
  let mask = 0, x = 0, y = 0;
  for (const p of pads) {
    p.buttons.forEach((b, i) => { if (b.pressed && i < 32) mask |= 1 << i; });
    if (Math.abs(p.axes[0] || 0) > Math.abs(x)) x = p.axes[0];
    if (Math.abs(p.axes[1] || 0) > Math.abs(y)) y = p.axes[1];
  }
  const state = `${mask} ${x.toFixed(2)} ${y.toFixed(2)}`;
  if (state !== padState) {
    padState = state;
    if (mask) startSound();
    frame();
    M._ign_pad(mask >>> 0, x, y);
    frame();
  }
  padsRead = pads.length > 0;
  if (padsRead) requestAnimationFrame(readPads);
}

function togglePause() {
  if (!M._ign_pause(M._ign_paused() ? 0 : 1)) say('Only a game pauses.');
  frame();
}

// A quick-save slot for each game, as on the desktop: the game on the
// unit's, or between games the one saved last.
function slot() {
  const game = M._ign_slot_game();
  return game ? String.fromCharCode(game) : store.get('quicksave-last');
}

function saveMoment() {
  frame();
  const game = M._ign_slot_game();
  if (!game) { say('No game to save.'); return; }
  const g = String.fromCharCode(game);
  const p = M._ign_save();
  if (store.set(`quicksave-${g}`, bytesToText(M.HEAPU8.subarray(p, p + M._ign_bytes_size())))) {
    store.set('quicksave-last', g);
    say(`Game ${g.toUpperCase()} saved.`);
  }
}

function loadBytes(bytes, paused = false) {
  M.HEAPU8.set(bytes, M._ign_bytes(bytes.length));
  frame();
  const why = M.UTF8ToString(M._ign_load(paused ? 1 : 0));
  frame();
  return why;
}

function loadMoment() {
  const g = slot();
  const kept = g && store.get(`quicksave-${g}`);
  if (!kept) { say('No game saved yet.'); return; }
  const why = loadBytes(textToBytes(kept));
  say(why ? `The saved game could not be loaded: ${why}.` : `Game ${g.toUpperCase()} loaded.`);
}

// The slot as the desktop names it: put in its folder of saved games, its Quick load takes it.
function download() {
  const g = slot();
  const kept = g && store.get(`quicksave-${g}`);
  if (!kept) { say('No game saved yet: Quick save first.'); return; }
  offer(textToBytes(kept), `quick-save-${g}.state`);
}

async function openFile(file) {
  if (!file) return;
  if (file.size > 1 << 20) { say(`${file.name} is no saved game of this unit: it is far too large.`); return; }
  const why = loadBytes(new Uint8Array(await file.arrayBuffer()));
  say(why ? `${file.name} is no saved game of this unit: ${why}.` : `${file.name} goes on.`);
}

// The skin and sounds, asked for as soon as the page runs (the module's
// own loader would ask only once it has started).
const packed = fetch('ignivar.data').then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(r.statusText))));

async function main() {
  if (typeof WebAssembly !== 'object') { say('This browser cannot run WebAssembly, which the unit needs.'); return; }
  try {
    const data = await packed;
    M = await Ignivar({ getPreloadedPackage: () => data });
  } catch (e) {
    say(`The unit could not be loaded (${e.message || e}).`);
    return;
  }
  const kept = mountKept();  // the replays' folder, read while the unit starts
  const settings = cString(store.get('settings') || '');
  // The first frame at 1x, at once; the sharp one follows (layout below).
  const begun = performance.now();
  const ok = M._ign_start(1, 44100, settings);
  seen.startMs = performance.now() - begun;
  seen.module = M;
  M._free(settings);
  if (!ok) { say(M.UTF8ToString(M._ign_error())); return; }
  const without = M.UTF8ToString(M._ign_error());
  if (without) say(without);
  muted = M._ign_mute(-1) === 1;
  $('sound').setAttribute('aria-pressed', muted ? 'false' : 'true');
  const steps = new Int32Array(M.HEAPU8.buffer, M._ign_volume_steps(), M._ign_volume_step_count());
  for (const step of steps) $('volume').add(new Option(`${step} %`, String(step)));
  $('volume').value = String(M._ign_volume(-1));
  $('volume').onchange = (e) => { M._ign_volume(Number(e.target.value)); frame(); };
  const showPanned = (on) => $('panned').setAttribute('aria-pressed', on === 1 ? 'true' : 'false');
  showPanned(M._ign_panned(-1));
  $('panned').onclick = () => { showPanned(M._ign_panned(M._ign_panned(-1) ? 0 : 1)); frame(); };
  lookChoices();
  for (const line of M.UTF8ToString(M._ign_hints()).split('\n').filter(Boolean)) {
    const item = document.createElement('li');
    item.textContent = line;
    $('unit-keys').append(item);
  }
  t0 = performance.now();
  fit();
  frame();
  const resume = store.get('resume');
  if (resume && !loadBytes(textToBytes(resume), true)) say('Your game waits where you left it: Pause goes on.');
  // The tables run every replay again to prove it: only once they are looked at.
  $('scores').addEventListener('toggle', () => { if ($('scores').open) showTables(); });
  await kept;

  addEventListener('keydown', (e) => onKey(e, true));
  addEventListener('keyup', (e) => onKey(e, false));
  addEventListener('blur', letGo);
  addEventListener('gamepadconnected', () => { if (!padsRead) { padsRead = true; requestAnimationFrame(readPads); } });
  for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel'])
    canvas.addEventListener(type, onPointer);
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  seen.listening = true;

  addEventListener('pagehide', keepResume);
  document.addEventListener('visibilitychange', () => { if (document.hidden) keepResume(); });
  $('sound').onclick = () => setMuted(!muted);
  $('pause').onclick = togglePause;
  $('save').onclick = saveMoment;
  $('load').onclick = loadMoment;
  $('download').onclick = download;
  $('open').onchange = (e) => openFile(e.target.files[0]);
  $('fullscreen').onclick = () => document.documentElement.requestFullscreen?.().catch(() => {});
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => { e.preventDefault(); openFile(e.dataTransfer.files[0]); });
  // Once the first frame is on the screen: the sharp one, and from then on
  // whenever the unit's place changes, with the window or the page around
  // it (the buttons wrapping to another row, a table opened).
  requestAnimationFrame(() => setTimeout(() => new ResizeObserver(() => layout()).observe($('stage'))));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

main();
