// Tabs of a stage's notebook, with the keyboard pattern screen readers expect: arrows move
// between tabs, Home and End jump, only the selected tab is in the Tab order.

export class Zakladki {
  constructor(lista, naZmiane = () => {}) {
    this.karty = [...lista.querySelectorAll('[role=tab]')];
    this.naZmiane = naZmiane;
    this.karty.forEach((k, i) => {
      k.addEventListener('click', () => this.wybierz(i));
      // Arrows, Home and End go over the tabs in sight only (a page the run has not got is hidden).
      k.addEventListener('keydown', (e) => {
        const widoczne = this.karty.filter((x) => !x.hidden);
        const n = widoczne.length;
        const j = widoczne.indexOf(k);
        const cel = { ArrowRight: j + 1, ArrowLeft: j - 1 + n, Home: 0, End: n - 1 }[e.key];
        if (cel === undefined) return;
        e.preventDefault();
        const karta = widoczne[cel % n];
        this.wybierz(this.karty.indexOf(karta));
        karta.focus();
      });
    });
  }

  get wybrana() {
    return this.karty.findIndex((k) => k.getAttribute('aria-selected') === 'true');
  }

  wybierz(nr, zUzytkownika = true) {
    this.karty.forEach((k, i) => {
      const tak = i === nr;
      k.setAttribute('aria-selected', String(tak));
      k.tabIndex = tak ? 0 : -1;
      document.getElementById(k.getAttribute('aria-controls')).hidden = !tak;
    });
    this.naZmiane(nr, zUzytkownika);
  }
}
