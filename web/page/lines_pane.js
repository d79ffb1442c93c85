// A pane that shows a file's lines as they are (tabs every 8 columns), for
// the listing and the object file: only the rows in sight are in the page,
// so a listing of 32,767 lines costs no more to show than a short one.
const ROW_HEIGHT = 18;
const SPARE_ROWS = 10;

export class LinesPane {
  constructor(element) {
    this.element = element;
    this.spacer = document.createElement('div');
    this.rows = document.createElement('div');
    this.rows.className = 'rows';
    this.spacer.append(this.rows);
    element.append(this.spacer);
    this.lines = [];
    this.marked = { first: -1, last: -1 };
    element.addEventListener('scroll', () => this.render());
    new ResizeObserver(() => this.render()).observe(element);
  }

  // The file's text, its lines ended by CR LF; classOf(row) names a class
  // that a row takes beside 'row', if any.
  show(text, classOf = () => '') {
    this.classOf = classOf;
    this.lines = text.split('\r\n');
    if (this.lines[this.lines.length - 1] === '') this.lines.pop();
    this.spacer.style.height = `${this.lines.length * ROW_HEIGHT}px`;
    this.render();
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
      this.lines.length,
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
      div.textContent = this.lines[row];
      rows.push(div);
    }
    this.rows.replaceChildren(...rows);
  }
}
