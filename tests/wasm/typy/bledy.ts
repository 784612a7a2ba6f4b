// What the types refuse: each line below is one error tsc must report.
import { wczytajFazolab } from './fazolab.mjs';

const fz = await wczytajFazolab();
fz.nowaSesja({ siec: '2DKwadratowa' });
fz.nowaSesja({ TBLambda: '5' });
fz.badanie({ seed: 7 });
fz.nowaSesja().plikWynikow('ods');
const s: number = fz.nowaSesja().stan().Sigma.length;
fz.badanie({ generator: 'mt19937' });
