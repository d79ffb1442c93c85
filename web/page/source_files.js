// Files in and out of the page: a source opened from the disk, the outputs
// saved with their exact bytes, and the link that carries a program in its
// fragment, compressed by the browser itself, so nothing leaves the browser.

// A source as the assembler's users keep it: UTF-8, else GBK (the ANSI code
// page of a Chinese Windows). A byte-order mark is not part of the text.
export function decodeSource(bytes) {
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return new TextDecoder('gbk').decode(bytes);
  }
}

export function isObjectFile(name) {
  return /\.obj$/i.test(name);
}

// The editor's text as a file: its lines ended by CR LF, as the assembler's
// own files are.
export function sourceBytes(text) {
  return new TextEncoder().encode(text.split('\n').join('\r\n'));
}

// Saves the bytes bytesFor(name) gives for the name the file is saved as:
// through the browser's save dialog where it has one, else as a download
// under the suggested name. Returns the name, or null when cancelled.
export async function save(suggested, bytesFor) {
  if (window.showSaveFilePicker) {
    let handle;
    try {
      handle = await window.showSaveFilePicker({ suggestedName: suggested });
    } catch (error) {
      if (error.name === 'AbortError') return null;
      throw error;
    }
    const writable = await handle.createWritable();
    await writable.write(bytesFor(handle.name));
    await writable.close();
    return handle.name;
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytesFor(suggested)], { type: 'application/octet-stream' }));
  link.download = suggested;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  return suggested;
}

async function transformed(bytes, stream) {
  return new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(stream)).arrayBuffer());
}

function base64url(bytes) {
  let binary = '';
  for (let at = 0; at < bytes.length; at += 0x8000) {
    binary += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
  }
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64url(text) {
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// This page's address with the program in its fragment.
export async function shareLink(name, text) {
  const packed = await transformed(new TextEncoder().encode(text), new CompressionStream('deflate-raw'));
  const fragment = new URLSearchParams({ name, zol: base64url(packed) });
  return `${location.href.split('#')[0]}#${fragment}`;
}

// The program a link's fragment carries, or null.
export async function sharedProgram(hash) {
  const fields = new URLSearchParams(hash.replace(/^#/, ''));
  if (!fields.has('zol')) return null;
  try {
    const bytes = await transformed(fromBase64url(fields.get('zol')), new DecompressionStream('deflate-raw'));
    return { name: fields.get('name') || 'shared.ZOL', text: new TextDecoder().decode(bytes) };
  } catch {
    return null;
  }
}
