// Makes the page one self-contained file: the page's script bundled with the
// editor and the assembler (whose WebAssembly is inside its script already)
// and the guide's examples, put with the styles into the page.
//   node web/make-page.js ASSEMBLER.js OUT.html
// NODE_PATH names the folder of the pinned npm packages.
const esbuild = require('esbuild');
const fs = require('fs');
const path = require('path');

const [assembler, out] = process.argv.slice(2);
const here = __dirname;
const root = path.join(here, '..');

// The examples menu: the example programs and the guide's snippets, as the
// guide quotes them.
function examples() {
  const list = [];
  for (const folder of ['examples', 'docs/snippets']) {
    for (const name of fs.readdirSync(path.join(root, folder)).sort()) {
      if (/\.(ZOL|obj)$/.test(name)) {
        list.push({ name, text: fs.readFileSync(path.join(root, folder, name), 'utf8') });
      }
    }
  }
  return list;
}

const examplesModule = {
  name: 'zolt-examples',
  setup(build) {
    build.onResolve({ filter: /^zolt-examples$/ }, () => ({ path: 'zolt-examples', namespace: 'zolt' }));
    build.onLoad({ filter: /.*/, namespace: 'zolt' }, () => ({
      contents: JSON.stringify(examples()),
      loader: 'json',
    }));
  },
};

async function main() {
  const bundle = await esbuild.build({
    entryPoints: [path.join(here, 'page', 'main.js')],
    bundle: true,
    minify: true,
    format: 'iife',
    target: 'chrome103',
    charset: 'utf8',
    write: false,
    logLevel: 'warning',
    alias: { 'zolt-playground': path.resolve(assembler) },
    nodePaths: (process.env.NODE_PATH || '').split(path.delimiter).filter(Boolean),
    plugins: [examplesModule],
  });
  const script = bundle.outputFiles[0].text;
  if (/<\/script/i.test(script)) throw new Error('the script would end the page early: it holds </script');
  const style = fs.readFileSync(path.join(here, 'page', 'page.css'), 'utf8');
  const page = fs
    .readFileSync(path.join(here, 'page', 'page.html'), 'utf8')
    .replace('/*@STYLE@*/', () => style)
    .replace('/*@SCRIPT@*/', () => script);
  fs.mkdirSync(path.dirname(out), { recursive: true });
  fs.writeFileSync(out, page);
}

main().catch((error) => {
  console.error(`make-page: ${error.message}`);
  process.exit(1);
});
