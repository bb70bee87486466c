// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the page's files, so that after one visit it starts with no network.
// Each build names its cache after what it serves: a new build installs a new
// cache, takes over at once and deletes the caches of the builds before it.
'use strict';
const cacheName = '@CACHE_NAME@';
const files = ['./', @FILES@]; // everything the folder holds

self.addEventListener('install', event => {
    event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name.startsWith('sumgrove-') && name !== cacheName)
                                        .map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    event.respondWith(caches.open(cacheName)
        .then(cache => cache.match(event.request, { ignoreSearch: true }))
        .then(kept => kept || fetch(event.request)));
});
