// The assembler in the browser: an editor whose every change is assembled in
// the page, with the listing and object file beside it. The assembler itself
// runs as WebAssembly behind the binding; this page only presents its run.
import { defaultKeymap, history, historyKeymap, insertTab } from '@codemirror/commands';
import { lintKeymap, setDiagnostics } from '@codemirror/lint';
import { searchKeymap } from '@codemirror/search';
import { EditorState } from '@codemirror/state';
import {
  EditorView,
  drawSelection,
  highlightActiveLine,
  highlightActiveLineGutter,
  keymap,
  lineNumbers,
} from '@codemirror/view';
import createPlayground from 'zolt-playground';
import examples from 'zolt-examples';
import { assembled, inlayWords } from './inlay_words.js';
import { LinesPane } from './lines_pane.js';
import { applyTexts, chosenChinese, keepLanguage } from './page_texts.js';
import {
  decodeSource,
  encodeSource,
  isObjectFile,
  save,
  sharedProgram,
  shareLink,
  sourceBytes,
} from './source_files.js';
import { zoltColours, zoltLanguage } from './zolt_language.js';

const element = (id) => document.getElementById(id);
const encoder = new TextEncoder();

// The program in the editor; name is the source's file name, which the
// outputs are named after, and encoding the one its file was read in, which
// the saved source and listing keep.
const program = { name: 'demo.ZOL', encoding: 'utf-8', run: null };

function lintDiagnostic(doc, shown, Tr) {
  const line = doc.line(shown.line + 1);
  const notes = shown.notes.map((note) => `\n${Tr('note: ')}${note.message}`).join('');
  const diagnostic = {
    from: line.from + Math.min(shown.from, line.length),
    to: line.from + Math.min(shown.to, line.length),
    severity: shown.severity === 'warning' ? 'warning' : 'error',
    message: shown.message + notes,
  };
  const { fix } = shown;
  if (fix) {
    diagnostic.actions = [
      {
        name: fix.title,
        apply(view) {
          const target = view.state.doc.line(fix.line + 1);
          view.dispatch({ changes: { from: target.from + fix.from, to: target.from + fix.to, insert: fix.text } });
        },
      },
    ];
  }
  return diagnostic;
}

async function start() {
  const module = await createPlayground();
  const playground = new module.Playground();
  const Tr = (text, ...args) => playground.translate(text, args);
  let chinese = chosenChinese();
  playground.setChinese(chinese);
  applyTexts(Tr, chinese);

  const listing = new LinesPane(element('listing'));
  const object = new LinesPane(element('object'));
  const notice = (text) => {
    element('notice').textContent = text;
  };

  // The rows of the listing that show the cursor's line, and its error line.
  const markListing = (view) => {
    const rows = program.run ? program.run.listedLines : [];
    const line = view.state.doc.lineAt(view.state.selection.main.head).number;
    const first = rows.findIndex((number) => Math.abs(number) === line);
    let last = first;
    while (first >= 0 && last + 1 < rows.length && Math.abs(rows[last + 1]) === line) ++last;
    listing.mark(first, last);
  };

  const assemble = (view) => {
    const run = playground.assemble(program.name, encoder.encode(view.state.doc.toString()));
    program.run = run;
    const doc = view.state.doc;
    const spec = setDiagnostics(view.state, run.diagnostics.map((shown) => lintDiagnostic(doc, shown, Tr)));
    view.dispatch({ effects: [].concat(spec.effects, assembled.of(null)) });
    listing.show(run.listing, run.listingLines, (row) => (run.listedLines[row] < 0 ? 'error' : ''));
    object.show(run.object, run.objectLines);
    element('listing-name').textContent = run.listingName || '';
    element('object-name').textContent = run.objectName || '';
    const status = element('status');
    status.textContent = run.completed ? run.caption : run.failure;
    status.dataset.state = !run.completed ? 'failed' : run.diagnostics.some((d) => d.severity === 'error') ? 'errors' : 'clean';
    for (const id of ['save-listing', 'save-object']) element(id).disabled = !run.listingName;
    markListing(view);
  };

  const view = new EditorView({
    parent: element('editor'),
    state: EditorState.create({
      extensions: [
        lineNumbers(),
        highlightActiveLineGutter(),
        highlightActiveLine(),
        drawSelection(),
        history(),
        // A tab is a word separator of the language: Tab types one.
        keymap.of([{ key: 'Tab', run: insertTab }, ...defaultKeymap, ...historyKeymap, ...searchKeymap, ...lintKeymap]),
        zoltLanguage(JSON.parse(playground.mnemonicGroups())),
        zoltColours,
        inlayWords((line) => playground.inlayWords(line)),
        EditorView.updateListener.of((update) => {
          if (update.selectionSet) markListing(update.view);
        }),
      ],
    }),
    dispatchTransactions(transactions, editor) {
      editor.update(transactions);
      if (transactions.some((tr) => tr.docChanged)) assemble(editor);
    },
  });

  const setSource = (name, text, encoding = 'utf-8') => {
    program.name = name;
    program.encoding = encoding;
    element('source-name').textContent = name;
    view.dispatch({ changes: { from: 0, to: view.state.doc.length, insert: text }, selection: { anchor: 0 } });
  };
  const disassemble = (name, bytes) => {
    const result = playground.disassemble(name, bytes);
    if (result.failure) {
      notice(result.failure);
      return;
    }
    setSource(name.replace(/\.obj$/i, '.ZOL'), result.source);
    notice(result.warnings);
  };
  const open = async (file) => {
    const bytes = new Uint8Array(await file.arrayBuffer());
    notice('');
    if (isObjectFile(file.name)) {
      disassemble(file.name, bytes);
    } else {
      const { text, encoding } = decodeSource(bytes);
      setSource(file.name, text, encoding);
    }
  };

  element('open').addEventListener('click', () => element('file').click());
  element('file').addEventListener('change', (event) => {
    if (event.target.files.length > 0) open(event.target.files[0]);
    event.target.value = '';
  });
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    document.body.classList.add('dropping');
  });
  document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    document.body.classList.remove('dropping');
    if (event.dataTransfer.files.length > 0) open(event.dataTransfer.files[0]);
  });

  const menu = element('examples');
  for (const example of examples) {
    const option = document.createElement('option');
    option.value = example.name;
    option.textContent = example.name;
    menu.append(option);
  }
  menu.addEventListener('change', () => {
    const example = examples.find((each) => each.name === menu.value);
    menu.selectedIndex = 0;
    if (!example) return;
    notice('');
    if (isObjectFile(example.name)) {
      disassemble(example.name, new TextEncoder().encode(example.text));
    } else {
      setSource(example.name, example.text);
    }
  });

  const saved = async (suggested, bytesFor) => {
    const name = await save(suggested, bytesFor);
    if (name) notice(Tr('Saved %s', name));
  };
  element('save-source').addEventListener('click', () =>
    saved(program.name, () => sourceBytes(view.state.doc.toString(), program.encoding)),
  );
  element('save-listing').addEventListener('click', () =>
    saved(program.run.listingName, (name) =>
      playground.listingSavedAs(name, encodeSource(view.state.doc.toString(), program.encoding)),
    ),
  );
  element('save-object').addEventListener('click', () => saved(program.run.objectName, () => program.run.object));
  element('share').addEventListener('click', async () => {
    const link = await shareLink(program.name, view.state.doc.toString());
    window.history.replaceState(null, '', link);
    try {
      await navigator.clipboard.writeText(link);
      notice(Tr('The link to this program is copied; it holds the whole program.'));
    } catch {
      notice(Tr('The address of this page now holds the whole program: copy it to share it.'));
    }
  });
  element('language').addEventListener('click', () => {
    chinese = !chinese;
    keepLanguage(chinese);
    playground.setChinese(chinese);
    applyTexts(Tr, chinese);
    assemble(view);
  });

  const shared = await sharedProgram(location.hash);
  const first = shared || examples.find((example) => example.name === 'demo.ZOL');
  setSource(first.name, first.text);
  view.focus();
  // For the checks that drive the page: the editor and the assembler behind it.
  window.zoltPage = { view, playground, program, setSource, memory: () => module.HEAP8.length };
  document.body.dataset.ready = 'true';
}

start();
