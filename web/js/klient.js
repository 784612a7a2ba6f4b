// The page's side of one engine Worker: messages out, replies in, and a Polish message when the
// Worker dies (a crash or memory exhausted) instead of a page that waits for ever.

export const BLAD_WATKU =
  'Silnik obliczeń przestał działać (być może zabrakło pamięci). Obliczenia przerwano: ' +
  'zmień ustawienia i spróbuj ponownie.';

// A Worker that dies before its first word never loaded its files: no memory is missing then.
export const BLAD_WCZYTANIA =
  'Nie udało się wczytać silnika obliczeń (plików .js i .wasm strony). Sprawdź połączenie z serwerem ' +
  'i czy serwer wysyła pliki .js jako text/javascript, a .wasm jako application/wasm, potem odśwież stronę.';

export class Silnik {
  constructor(naWiadomosc, naAwarie) {
    this.naWiadomosc = naWiadomosc;
    this.naAwarie = naAwarie;
    this.oczekujace = [];
    this.w = new Worker(new URL('./silnik.worker.js', import.meta.url), { type: 'module' });
    this.wczytany = false;
    this.w.onmessage = (e) => this.odbierz(e.data);
    this.w.onerror = (e) => {
      e.preventDefault?.();
      this.awaria(this.wczytany ? BLAD_WATKU : BLAD_WCZYTANIA);
    };
    this.w.onmessageerror = () => this.awaria(BLAD_WATKU);
  }

  odbierz(w) {
    this.wczytany = true;
    if (w.typ === 'wczytany') return;
    const i = this.oczekujace.findIndex((o) => o.typy.includes(w.typ));
    if (i >= 0) {
      const [o] = this.oczekujace.splice(i, 1);
      if (w.typ === 'blad') o.zle(new Error(w.tekst));
      else o.ok(w);
    } else {
      this.naWiadomosc(w);
    }
  }

  awaria(tekst) {
    if (this.martwy) return;
    this.martwy = true;
    this.w.terminate();
    for (const o of this.oczekujace.splice(0)) o.zle(new Error(tekst));
    this.naAwarie(tekst);
  }

  wyslij(wiadomosc) {
    if (!this.martwy) this.w.postMessage(wiadomosc);
  }

  // Sends a request and waits for its reply (or for the Worker's refusal).
  zapytaj(wiadomosc, typ) {
    if (this.martwy) return Promise.reject(new Error(BLAD_WATKU));
    return new Promise((ok, zle) => {
      this.oczekujace.push({ typy: [typ, 'blad'], ok, zle });
      this.w.postMessage(wiadomosc);
    });
  }

  zakoncz() {
    this.martwy = true;
    this.w.terminate();
  }
}
