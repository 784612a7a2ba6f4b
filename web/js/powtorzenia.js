// Replicas: N independent runs of the series, each in its own Worker (at most as many at once as
// the processor has threads), merged by the core into mean ± error and the transition.
import { Silnik } from './klient.js';

export class Powtorzenia {
  constructor({ naPostep, naAwarie }) {
    this.naPostep = naPostep;
    this.naAwarie = naAwarie;
  }

  async licz(parametry, ziarno, n, watki) {
    this.przerwane = false;
    const postepy = new Array(n).fill(0);
    const maks = new Array(n).fill(1);
    const czesci = new Array(n);
    let nastepna = 0;
    const zglos = () => this.naPostep(postepy.reduce((a, b) => a + b, 0), maks.reduce((a, b) => a + b, 0), czesci.filter(Boolean).length, n);
    this.silniki = [];
    const pracownik = async () => {
      let silnik = null;
      const blad = new Promise((_, zle) => {
        silnik = new Silnik((w) => {
          if (w.typ === 'postepRepliki') {
            postepy[w.nr] = w.postep.seria;
            maks[w.nr] = w.postep.seriaMax;
            zglos();
          }
        }, (tekst) => zle(new Error(tekst)));
      });
      this.silniki.push(silnik);
      while (nastepna < n && !this.przerwane) {
        const nr = nastepna++;
        const odp = await Promise.race([silnik.zapytaj({ typ: 'replika', parametry, ziarno, nr, powtorzenia: n }, 'replikaGotowa'), blad]);
        czesci[nr] = odp.czesc;
        postepy[nr] = maks[nr];
        zglos();
      }
      return silnik;
    };
    const silniki = await Promise.all(Array.from({ length: Math.min(n, watki) }, pracownik));
    if (this.przerwane) throw new Error('przerwane');
    const [pierwszy, ...reszta] = silniki;
    for (const s of reszta) s.zakoncz();
    const odp = await pierwszy.zapytaj({ typ: 'scal', czesci, wyjscie: null, fluktuacje: false }, 'scalone');
    return { silnik: pierwszy, scalone: { ...odp.wynik, czesci } };
  }

  przerwij() {
    this.przerwane = true;
    for (const s of this.silniki ?? []) s.zakoncz();
  }
}
