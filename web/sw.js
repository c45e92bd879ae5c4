// Keeps the page for playing offline: every file of one build of the page, in a cache of
// that build's own. A page asks for its files by its build ("?v=..."), so it is served
// whole from one build, never a mix; a new build is cached whole when the browser finds
// it, and serves the next visit. The build before it stays until the one after, for a
// page of it that is still loading.
'use strict';
var VERSION = '@VERSION@';
var FILES = ['index.html', 'page.js', 'quorvane.js', 'quorvane.wasm', 'quorvane.data', 'manifest.webmanifest',
             'icon.png', 'icon-128.png', 'icon-256.png'];
var CACHE = 'quorvane-';
var BUILDS = 'quorvane-builds';

self.addEventListener('install', function(event) {
  // Every file is fetched before any is cached: a build is cached whole or not at all.
  event.waitUntil(Promise.all(FILES.map(function(name) {
    return fetch(new Request(name + '?v=' + VERSION, {cache: 'reload'})).then(function(response) {
      if (!response.ok)
        throw new Error(name + ': ' + response.status);
      return response;
    });
  })).then(function(responses) {
    return caches.open(CACHE + VERSION).then(function(cache) {
      return Promise.all(responses.map(function(response, i) { return cache.put(FILES[i], response); }));
    });
  }).then(function() {
    return self.skipWaiting();
  }));
});

self.addEventListener('activate', function(event) {
  event.waitUntil(caches.open(BUILDS).then(function(builds) {
    return builds.match('list').then(function(found) {
      return found ? found.json() : [];
    }).then(function(list) {
      list = list.filter(function(v) { return v !== VERSION; }).concat([VERSION]).slice(-2);
      return builds.put('list', new Response(JSON.stringify(list))).then(function() {
        return caches.keys();
      }).then(function(keys) {
        return Promise.all(keys.filter(function(key) {
          return key.indexOf(CACHE) === 0 && key !== BUILDS && list.indexOf(key.substring(CACHE.length)) < 0;
        }).map(function(key) { return caches.delete(key); }));
      });
    });
  }).then(function() {
    return self.clients.claim();
  }));
});

self.addEventListener('fetch', function(event) {
  var request = event.request;
  var url = new URL(request.url);
  var scope = new URL(self.registration.scope);
  if (request.method !== 'GET' || url.origin !== scope.origin || url.pathname.indexOf(scope.pathname) !== 0)
    return;
  var name = url.pathname.substring(scope.pathname.length) || 'index.html';
  if (FILES.indexOf(name) < 0)
    return;
  var build = url.searchParams.get('v') || VERSION;
  event.respondWith(caches.open(CACHE + build).then(function(cache) {
    return cache.match(name);
  }).then(function(kept) {
    return kept || fetch(request);
  }));
});
