// A pane that shows a file's lines as they are (tabs every 8 columns), for
// the listing and the object file: only the rows in sight are decoded and in
// the page, so a listing of 32,767 lines costs no more to show than a short
// one.
const ROW_HEIGHT = 18;
const SPARE_ROWS = 10;
const decoder = new TextDecoder();

export class LinesPane {
  constructor(element) {
    this.element = element;
    this.spacer = document.createElement('div');
    this.rows = document.createElement('div');
    this.rows.className = 'rows';
    this.spacer.append(this.rows);
    element.append(this.spacer);
    this.bytes = new Uint8Array();
    this.starts = [0];
    this.marked = { first: -1, last: -1 };
    element.addEventListener('scroll', () => this.render());
    new ResizeObserver(() => this.render()).observe(element);
  }

  // The file's bytes, and where each of its lines starts and the last ends;
  // classOf(row) names a class that a row takes beside 'row', if any.
  show(bytes, starts, classOf = () => '') {
    this.bytes = bytes;
    this.starts = starts;
    this.classOf = classOf;
    this.spacer.style.height = `${this.count() * ROW_HEIGHT}px`;
    this.render();
  }

  count() {
    return this.starts.length - 1;
  }

  // A line's text without its CR LF.
  line(row) {
    return decoder.decode(this.bytes.subarray(this.starts[row], this.starts[row + 1])).replace(/\r\n$/, '');
  }

  // Highlights rows first to last (none for -1) and brings them into sight.
  mark(first, last) {
    this.marked = { first, last };
    if (first >= 0) {
      const top = first * ROW_HEIGHT;
      const bottom = (last + 1) * ROW_HEIGHT;
      const view = this.element;
      if (top < view.scrollTop || bottom > view.scrollTop + view.clientHeight) {
        view.scrollTop = Math.max(0, top - view.clientHeight / 3);
      }
    }
    this.render();
  }

  render() {
    const view = this.element;
    const first = Math.max(0, Math.floor(view.scrollTop / ROW_HEIGHT) - SPARE_ROWS);
    const last = Math.min(
      this.count(),
      Math.ceil((view.scrollTop + view.clientHeight) / ROW_HEIGHT) + SPARE_ROWS,
    );
    this.rows.style.transform = `translateY(${first * ROW_HEIGHT}px)`;
    const rows = [];
    for (let row = first; row < last; ++row) {
      const div = document.createElement('div');
      div.className = 'row';
      if (row >= this.marked.first && row <= this.marked.last) div.classList.add('marked');
      const extra = this.classOf(row);
      if (extra) div.classList.add(extra);
      div.textContent = this.line(row);
      rows.push(div);
    }
    this.rows.replaceChildren(...rows);
  }
}
