// Files in and out of the page: a source opened from the disk, the outputs
// saved with their exact bytes, and the link that carries a program in its
// fragment, compressed by the browser itself, so nothing leaves the browser.

// A source as the assembler's users keep it: UTF-8, else GBK (the ANSI code
// page of a Chinese Windows), with the encoding it was read in. A byte-order
// mark is not part of the text.
export function decodeSource(bytes) {
  try {
    return { text: new TextDecoder('utf-8', { fatal: true }).decode(bytes), encoding: 'utf-8' };
  } catch {
    return { text: new TextDecoder('gbk').decode(bytes), encoding: 'gbk' };
  }
}

// GBK written back: browsers read GBK but do not write it, so their reading
// is turned round once, over every two-byte sequence, the first sequence of
// a character winning, as the standard's encoder has it; the euro sign is
// the one byte 0x80 there.
let gbkTable = null;
function gbkSequences() {
  const pairs = [];
  for (let lead = 0x81; lead <= 0xfe; ++lead) {
    for (let trail = 0x40; trail <= 0xfe; ++trail) {
      if (trail !== 0x7f) pairs.push([lead, trail]);
    }
  }
  // A line feed after each pair keeps them apart, whatever a pair reads as.
  const read = new TextDecoder('gbk').decode(new Uint8Array(pairs.flatMap((pair) => [...pair, 0x0a])));
  const table = new Map([['\u20ac', [0x80]]]);
  read.split('\n').forEach((character, index) => {
    if (character.length === 1 && character !== '\ufffd' && !table.has(character)) table.set(character, pairs[index]);
  });
  return table;
}

// The text in the encoding its file was read in; a character GBK has not is
// written '?', as Windows writes it.
export function encodeSource(text, encoding) {
  if (encoding !== 'gbk') return new TextEncoder().encode(text);
  gbkTable = gbkTable || gbkSequences();
  const bytes = [];
  for (const character of text) {
    const code = character.codePointAt(0);
    bytes.push(...(code < 0x80 ? [code] : gbkTable.get(character) || [0x3f]));
  }
  return new Uint8Array(bytes);
}

export function isObjectFile(name) {
  return /\.obj$/i.test(name);
}

// The editor's text as a file in the encoding it was read in: its lines
// ended by CR LF, as the assembler's own files are.
export function sourceBytes(text, encoding) {
  return encodeSource(text.split('\n').join('\r\n'), encoding);
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
