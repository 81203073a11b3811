// The few WASI calls the converter module imports, for the browser: its
// output streams go nowhere (it writes only when it aborts), random bytes
// come from the page's crypto, and it has no files.
'use strict';
function wasiImports(memory) {
  const SUCCESS = 0;
  const BAD_FILE = 8;
  return {
    wasi_snapshot_preview1: {
      fd_write(fd, iovs, count, written) {
        const view = new DataView(memory().buffer);
        let total = 0;
        for (let i = 0; i < count; i++) total += view.getUint32(iovs + 8 * i + 4, true);
        view.setUint32(written, total, true);
        return SUCCESS;
      },
      fd_close() { return BAD_FILE; },
      fd_seek() { return BAD_FILE; },
      random_get(at, size) {
        crypto.getRandomValues(new Uint8Array(memory().buffer, at, size));
        return SUCCESS;
      },
      proc_exit(code) { throw new WebAssembly.RuntimeError('the converter exited with ' + code); },
    },
  };
}
