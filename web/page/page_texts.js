// The page's own texts, from the product's catalog, and the language the
// page speaks: the browser's, until the user switches.

// Marks a catalog text that is translated when it is shown.
const N_ = (text) => text;

// What each element of the page says, by its id; a title is the text a
// button shows when pointed at.
const TEXTS = {
  open: N_('Open…'),
  'examples-title': N_('Examples'),
  'save-source': N_('Save source'),
  'save-listing': N_('Save listing'),
  'save-object': N_('Save object file'),
  share: N_('Share link'),
  'listing-title': N_('Listing'),
  'object-title': N_('Object file'),
  'drop-hint': N_('Drop a .ZOL source here to open it, or an .obj object file to disassemble it'),
};
const TITLES = {
  open: N_('Open a .ZOL source, or an .obj object file to disassemble it'),
  'save-listing': N_('The listing, as zoltasm writes it beside the source'),
  'save-object': N_('The object file, as zoltasm writes it beside the source'),
  share: N_('A link that carries this program, compressed in the address: nothing is sent anywhere'),
};

const STORED = 'zolt.language';

// A page opened where it may keep nothing (a private window's file) still
// works, in the browser's language each time.
function stored() {
  try {
    return localStorage.getItem(STORED);
  } catch {
    return null;
  }
}

export function chosenChinese() {
  const choice = stored();
  if (choice) return choice === 'zh';
  return (navigator.languages || [navigator.language]).some((language) => /^zh\b/i.test(language));
}

export function keepLanguage(chinese) {
  try {
    localStorage.setItem(STORED, chinese ? 'zh' : 'en');
  } catch {
    // Nothing kept: the choice holds while the page is open.
  }
}

export function applyTexts(Tr, chinese) {
  document.documentElement.lang = chinese ? 'zh-CN' : 'en';
  for (const [id, text] of Object.entries(TEXTS)) document.getElementById(id).textContent = Tr(text);
  for (const [id, text] of Object.entries(TITLES)) document.getElementById(id).title = Tr(text);
  // Each language is named in its own words.
  document.getElementById('language').textContent = chinese ? 'English' : '中文';
}
