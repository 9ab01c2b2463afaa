// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's first check, a classic script that runs before its modules. Opened from a file,
// a browser runs no module of the page at all, so the page would wait for ever: it says how
// to serve it instead. Framed by another page it does not run, so that no site can lay its
// own content over the board (the server should also send `frame-ancestors 'none'`, which a
// meta tag cannot set).
(function () {
  "use strict";
  var refusal = null;
  if (location.protocol === "file:") {
    refusal = "Vorn must be served to run: opened from a file, the browser does not let the " +
      "page load its game. Build and serve it with the command ./setup.sh web in the source " +
      "folder, then open the address it prints.";
  } else if (window.top !== window.self) {
    refusal = "Vorn runs only as a page of its own, not inside another page. Open it by its " +
      "own address.";
  }
  if (refusal === null) return;
  document.documentElement.dataset.refused = "";
  document.addEventListener("DOMContentLoaded", function () {
    document.getElementById("app").hidden = true;
    document.getElementById("starting").hidden = true;
    var notice = document.getElementById("notice");
    notice.textContent = refusal;
    notice.hidden = false;
    document.body.dataset.state = "refused";
  });
})();
