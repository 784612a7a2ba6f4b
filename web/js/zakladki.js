// Tabs of a stage's notebook, with the keyboard pattern screen readers expect: arrows move
// between tabs, Home and End jump, only the selected tab is in the Tab order.

export class Zakladki {
  constructor(lista, naZmiane = () => {}) {
    this.karty = [...lista.querySelectorAll('[role=tab]')];
    this.naZmiane = naZmiane;
    this.karty.forEach((k, i) => {
      k.addEventListener('click', () => this.wybierz(i));
      k.addEventListener('keydown', (e) => {
        const n = this.karty.length;
        const cel = { ArrowRight: i + 1, ArrowLeft: i - 1 + n, Home: 0, End: n - 1 }[e.key];
        if (cel === undefined) return;
        e.preventDefault();
        this.wybierz(cel % n);
        this.karty[cel % n].focus();
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
