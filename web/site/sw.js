// Keeps the page's files so that, after one visit, it starts with no
// network. Each file is answered from the cache at once and fetched again
// behind it, so a new build arrives on the visit after it is published.
const CACHE = 'ignivar';
const FILES = ['./', 'index.html', 'page.js', 'page.css', 'audio.js', 'ignivar.js', 'ignivar.wasm',
  'ignivar.data', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => e.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then(async (cache) => {
    const kept = await cache.match(e.request, { ignoreSearch: true });
    const fresh = fetch(e.request).then((r) => {
      if (r.ok) cache.put(e.request, r.clone());
      return r;
    });
    if (kept) {
      fresh.catch(() => {});
      e.waitUntil(fresh.catch(() => {}));
      return kept;
    }
    return fresh;
  }));
});
