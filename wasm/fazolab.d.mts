// Types of fazolab.mjs, the JavaScript API of Fazolab's core (API.md).

/** A refusal or a fault of the core: `message` is one Polish line. */
export class BladFazolab extends Error {
  constructor(komunikat: string);
  name: 'BladFazolab';
}

export type Siec = '3DR' | '2DKwadrat' | '2DTrojkat' | '2DHeksagonalna';
export type Uklad = 'przypadkowe' | 'uporzadkowane' | 'wydzielenie';
export type Tryb = 'porzadkowanie' | 'klasteryzacja';
export type TypPliku = 'csv' | 'txt' | 'xlsx';
export type Generator = 'xoshiro' | 'okna';

/** The settings page's values on the window's scale (API.md, "Parameters"). */
export interface Parametry {
  siec?: Siec;
  IloscAtomowOsX?: number;
  IloscAtomowOsY?: number;
  IloscAtomowOsZ?: number;
  TBKoncentracja?: number;
  TBLambda?: number;
  TBLambdaKoncowa?: number;
  TBKrok?: number;
  TBLiczbaPrzeskokow?: number;
  SEMaxIloscCykli?: number;
  uklad?: Uklad;
  tryb?: Tryb;
  seria?: boolean;
}

/** A study by plain names on the batch runner's scale (as the Python module's keywords). */
export interface OpcjeBadania {
  siec?: Siec;
  /** 10, "20x10", "8x6x10"; a list of sizes [12, 16, 24, 32] is the finite-size study. */
  osie?: number | string | number[];
  tryb?: Tryb;
  /** 1.2, "0.80:1.00:0.01", or an evenly spaced list on the grid of hundredths. */
  lambdy?: number | string | number[];
  koncentracja?: number;
  iteracje?: number;
  co?: number;
  uklad?: Uklad;
  ziarno?: number;
  /** "xoshiro" (default: the 64-bit generator, replica k on stream k) or "okna" (the window's). */
  generator?: Generator;
  stopien?: number | null;
  powtorzenia?: number;
  dwaStarty?: boolean;
}

export interface Zakres { Min: number; Max: number; Krok: number }
export interface Zakresy {
  osi: Zakres; koncentracji: Zakres; lambdy: Zakres; przedzialu: Zakres; iteracji: Zakres;
  stopnia: Zakres; powtorzen: Zakres;
}

export type StanKroku = 'trwa' | 'seriaZakonczona' | 'koniec';
export interface Krok {
  stan: StanKroku;
  postep: { pojedyncza: number; pojedynczaMax: number; seria: number; seriaMax: number };
}
export interface OpcjeLiczenia {
  ms?: number;
  naPostep?: (krok: Krok) => void;
  sygnal?: AbortSignal;
}

export interface StanObliczen {
  Lambda: number; LambdaKoncowa: number; Krok: number; Koncentracja: number; NrSerii: number;
  LiczbaSerii: number; ObliczoneSerie: number; NrCyklu: number; MaxIloscCykli: number;
  PrzedzialCzasowy: number; IloscAtomow: number; IloscAtomowA: number; IloscAtomowB: number;
  LiczbaSasiadow: number; Energia: number; LiczbaParAB: number; Sigma: number;
}
export interface WidokSieci {
  komorki: Uint8Array; nx: number; ny: number; nz: number; krokY: number; krokZ: number;
  baza: number; rodzaj: number;
}
export interface PomiarSesji {
  Seria: number; Iteracja: number; Lambda: number; Energia: number; LiczbaParAB: number;
  Sigma: number; LiczbaSasiadow: number; Histogram: Float64Array;
}
export interface Punkt { x: number; y: number }
export interface TekstyWynikow {
  MOpisSieci: string; MLambda: string[]; MSigma: string[]; MCvkN: string[];
  ELambdaTc: string; ECvkNTc: string; UwagaCvkNTc: string;
}
export interface Wyniki {
  Stopien: number; Wspolczynniki: number[]; CvkN: number[]; IndeksPrzejscia: number;
  Spadek: boolean; J: number; Series9: Punkt[]; Series10: Punkt[]; Series5: Punkt[];
  UstawCvkNTc: boolean; Teksty: TekstyWynikow;
}
export interface Fluktuacje {
  Serie: { Lambda: number; CvkN: number; Blad: number; Stan: 'osiagnieta' | 'nieosiagnieta' | 'nieznana' }[];
  Przejscie: { Lambda: number; Blad: number; NaBrzegu: boolean };
  Teksty: {
    MCvkN: string[]; MBlad: string[]; PolaPrzejscia: string[]; EPodpisPrzejscia: string;
    EPrzejscie: string; ERownowaga: string; UwagaGranicySieci: string;
  };
}
export interface PolaPliku {
  Opis?: boolean; Lambda?: boolean; Sigma?: boolean; CvkN?: boolean; LambdaTc?: boolean;
  CvkNTc?: boolean; Fluktuacje?: boolean;
}

export interface Sesja {
  krok(): Krok;
  licz(ms: number): Krok;
  liczDoKonca(opcje?: OpcjeLiczenia): Promise<Krok | { stan: 'przerwane' }>;
  rozpocznijNastepnaSerie(): void;
  stan(): StanObliczen;
  siec(): WidokSieci;
  pomiar(): PomiarSesji;
  nowePomiary(): { liczba: number; pola: 14; dane: Float64Array };
  cykl(seria: number, iteracja: number): {
    LambdaSerii: number; Series8: Float64Array; Series6: Float64Array; Series7: Float64Array;
  };
  historiaSigmy(seria: number): Float64Array;
  wyniki(stopien?: number | null): Wyniki;
  fluktuacje(): Fluktuacje;
  plikWynikow(typ: TypPliku, pola?: PolaPliku): Uint8Array;
  nazwaPliku(): string;
  usun(): void;
}

export interface Replika {
  krok(): Krok;
  licz(ms: number): Krok;
  liczDoKonca(opcje?: OpcjeLiczenia): Promise<Krok | { stan: 'przerwane' }>;
  /** This replica's part of the study: the batch runner's replica-file text. */
  wynik(): string;
  usun(): void;
}

export interface OpcjeReplik {
  ziarno?: number; nr?: number; powtorzenia?: number; stopien?: number | null; dwaStarty?: boolean;
  generator?: Generator;
}

export interface WynikWsadowy {
  status: number; wyjscie: string; bledy: string; pliki: Record<string, Uint8Array>;
}

export interface RodzajSieci {
  Klucz: string; LiczbaSasiadow: number; Wymiary: number; Nazwa: string; NazwaPliku: string; CzescTytulu: string;
}

export interface Fazolab {
  readonly zakresy: Zakresy;
  readonly rodzajeSieci: RodzajSieci[];
  /** The core's own defaults of a fresh window (`uklad`, `tryb` as their enums' indices). */
  readonly domyslneRdzenia: Omit<Required<Parametry>, 'uklad' | 'tryb'> & { uklad: number; tryb: number };
  tytulOkna(klucz: string, etap: string): string;
  punktyWidoczne(punkty: [number, number][], xMin: number, xMax: number, kolumny: number): number[];
  /** The fields of Parametry as the core declares them, with the window's defaults. */
  readonly polaParametrow: readonly { readonly nazwa: keyof Parametry; readonly domyslna: number | string | boolean }[];
  domyslneParametry(): Required<Parametry>;
  nowaSesja(parametry?: Parametry, ziarno?: number): Sesja;
  nowaReplika(parametry: Parametry, opcje?: OpcjeReplik): Replika;
  nowaReplikaBadania(opcje: OpcjeBadania, opcjeRepliki?: { nr?: number }): Replika;
  badanie(opcje: OpcjeBadania, plik?: { wyjscie?: TypPliku | null; fluktuacje?: boolean }): {
    podsumowanie: string; plik: Uint8Array | null; powtorzenia: string | null;
  };
  wsadowo(argumenty: (string | number)[], pliki?: Record<string, Uint8Array | string>): WynikWsadowy;
  scalRepliki(czesci: string[], opcje?: { wyjscie?: TypPliku | null; fluktuacje?: boolean }): {
    podsumowanie: string; plik: Uint8Array | null; wyniki: Wyniki | null; fluktuacje: Fluktuacje;
  };
}

export function argumentyBadania(opcje?: OpcjeBadania): string[];
/** Loads the core once per thread (page, Worker or Node process). */
export function wczytajFazolab(opcje?: Record<string, unknown>): Promise<Fazolab>;
