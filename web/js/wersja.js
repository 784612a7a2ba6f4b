// The page's offline copy and its updates, as the user sees them: the start page says the page
// works without the server only once the service worker holds every file it needs, and a new
// version waiting on the server is offered ("Odśwież") instead of being mixed into this page.
const $ = (id) => document.getElementById(id);

export const TEKSTY = {
  zapisywanie: 'Zapisywanie plików strony w przeglądarce, aby działała także bez połączenia z serwerem…',
  offline: 'Wszystkie pliki strony są zapisane w przeglądarce: strona działa także bez połączenia z serwerem.',
  niepelny: (brak) => `Strona nie zadziała bez połączenia z serwerem: serwer nie wydał ${brak.length === 1 ? 'pliku' : 'plików'} ${brak.join(', ')}. Skopiuj na serwer cały folder strony.`,
  bezSw: 'Ta przeglądarka nie zapisuje strony do pracy bez połączenia z serwerem: strona działa tylko z serwerem.',
  blad: 'Przeglądarka nie zapisała plików strony: strona działa tylko z połączeniem z serwerem.',
  nowa: 'Dostępna jest nowa wersja — odśwież.',
};

function pokaz(tekst) {
  $('offline-info').textContent = tekst;
}

function stanWorkera(w) {
  return new Promise((ok) => {
    const kanal = new MessageChannel();
    kanal.port1.onmessage = (e) => ok(e.data);
    w.postMessage({ typ: 'stan' }, [kanal.port2]);
  });
}

async function sprawdzOffline(reg) {
  const aktywny = reg.active;
  if (!aktywny) return;
  const { brak } = await stanWorkera(aktywny);
  pokaz(brak.length ? TEKSTY.niepelny(brak) : TEKSTY.offline);
}

// `czyMoznaPorzucic` asks the user first when the page holds something a reload would lose.
export function zarejestruj({ czyMoznaPorzucic = async () => true } = {}) {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') {
    pokaz(TEKSTY.bezSw);
    return;
  }
  let odswiezam = false;
  const nowa = (w) => {
    $('nowa-wersja').hidden = false;
    $('nowa-wersja-odswiez').onclick = async () => {
      if (!(await czyMoznaPorzucic())) return;
      odswiezam = true;
      w.postMessage({ typ: 'aktywuj' });
    };
  };
  // Only a version the user asked for reloads the page; the first install takes control quietly.
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (odswiezam) location.reload();
  });
  navigator.serviceWorker.addEventListener('message', (e) => {
    if (e.data?.typ === 'offlineNiepelny') pokaz(TEKSTY.niepelny(e.data.brak));
  });
  navigator.serviceWorker.startMessages();
  const sledz = (reg, w) => {
    w.addEventListener('statechange', () => {
      if (w.state === 'installed' && navigator.serviceWorker.controller) nowa(w);
      if (w.state === 'activated') sprawdzOffline(reg);
      if (w.state === 'redundant' && !reg.active && $('offline-info').textContent === TEKSTY.zapisywanie) pokaz(TEKSTY.blad);
    });
  };
  navigator.serviceWorker.register('sw.js').then(
    (reg) => {
      if (reg.waiting && navigator.serviceWorker.controller) nowa(reg.waiting);
      if (reg.installing) {
        if (!reg.active) pokaz(TEKSTY.zapisywanie);
        sledz(reg, reg.installing);
      }
      reg.addEventListener('updatefound', () => reg.installing && sledz(reg, reg.installing));
      sprawdzOffline(reg);
      // A page left open for the whole lesson still hears of a new version.
      document.addEventListener('visibilitychange', () => document.visibilityState === 'visible' && reg.update().catch(() => {}));
      setInterval(() => reg.update().catch(() => {}), 30 * 60 * 1000);
    },
    () => pokaz(TEKSTY.blad),
  );
}
