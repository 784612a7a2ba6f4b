// What the page says of each lattice kind before the engine is loaded: the keys of the start page's
// buttons, the lattice's part of the window's caption and the results file's name. The page's tests
// compare every entry with the core's own answers (rodzajeSieci, tytulOkna of the module).

export const SIECI = Object.freeze({
  '3DR': { tytul: '3D  (kubiczna prosta)', plik: '3DKubiczna' },
  '2DKwadrat': { tytul: '2D  (kwadratowa)', plik: '2DKwadratowa' },
  '2DTrojkat': { tytul: '2D  (trójkątna)', plik: '2DTrojkatna' },
  '2DHeksagonalna': { tytul: '2D  (Heksagonalna)', plik: '2DHeksagonalna' },
});

export const RODZAJE = Object.keys(SIECI);

// The simulation window's caption for a stage word, e.g. "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia".
export function tytulOkna(rodzaj, etap) {
  return `Symulacje - Sieć ${SIECI[rodzaj].tytul}  :  ${etap}`;
}
