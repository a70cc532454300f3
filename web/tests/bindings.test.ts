// Every function the module binds takes whatever a page could hand it. A wrong type is refused at
// the module's border (embind's BindingError, or a TypeError before the model runs); nothing
// traps, aborts or throws from inside the model, and the module works as before afterwards.
import { expect, open, test } from './fixtures';

test('every bound function takes nonsense, and the module works on', async ({ page }) => {
  await open(page, '#nuclides');
  const outcome = await page.evaluate(() => {
    type Bound = ((...args: unknown[]) => unknown) & { argCount?: number };
    const m = window.atomdrift.model() as Record<string, Bound> & Record<string, unknown>;
    const call = (name: string, ...args: unknown[]) => (m[name] as Bound)(...args) as Record<string, unknown> | string | null;
    const table = (window as unknown as { ATOMDRIFT_DATA: { nuclides: string } }).ATOMDRIFT_DATA.nuclides;
    const field = (result: unknown, key: string) => (result as Record<string, unknown> | null)?.[key];

    // A state in every part, so that the nonsense also meets a chain, a run, a counter and a class.
    const counter = { efficiency: '0.5', background: '1', interval: '1', deadTime: '0', paralysable: false, decimalPoint: '.' };
    const ensemble = { atoms: '10', rate: '0.1', lastStep: '10', runs: '3', seed: '1', decimalPoint: '.' };
    const prepare = () => {
      const lab = call('labLoad', table) === '' && field(call('labChooseTable', 'Mo-99', 0.001), 'chain') !== null &&
        field(call('labRun', { initial: ['1000'], step: '1', unit: 2, steps: '20', decimalPoint: '.' }, false, '1'), 'ran') === true;
      const counting = call('labLoad', table) === '' &&
        field(call('countingRunTable', { start: 'Mo-99', atoms: '1000', step: '1', unit: 2, steps: '20', random: false, decimalPoint: '.' }, '1'), 'ok') === true &&
        field(call('countingStart', counter, [0], '600', '1', '2'), 'ok') === true && call('countingAdvanceStep') !== undefined;
      const run = field(call('runDeterministic', { atoms: '100', rate: '0.1', lastStep: '50', decimalPoint: '.' }), 'ran') === true;
      const experiment = call('setEnsemble', ensemble, call('ensembleRuns', ensemble, 0, 3, () => {})) !== null;
      return { lab, counting, run, experiment };
    };

    // Each nonsense alone in every place of a call, and as every property of an object.
    const everyKey = (value: unknown) => new Proxy({}, { get: (_target, key) => (key === Symbol.toPrimitive ? undefined : value) });
    const plain: unknown[] = [Number.NaN, Infinity, -Infinity, 1e300, -1e300, -1, 0, 0.5, 2 ** 31, -(2 ** 31) - 1, 2 ** 53 + 2,
      '', ' ', 'x', '-1', 'NaN', '1e999', '\u0000', '9'.repeat(400), null, undefined, true, false, {}, [], () => 0];
    const nonsense = [...plain, [Number.NaN, -1, 'x', null, {}], new Float64Array([Number.NaN, Infinity, -1]), new Int16Array(7),
      ...plain.map(everyKey), { length: 1e300 }, { length: -1 }];
    // Some of them with the other arguments in order, where the model must answer, not refuse.
    const answers: [string, unknown[]][] = [
      ['labChooseTable', ['Xx-1', Number.NaN]], ['labRun', [{ unit: Number.NaN, grid: Infinity, initial: 'x' }, true, 'no seed']],
      ['labChooseCustom', [{ members: [{ name: 'A', halfLife: '1', unit: 1e300 }], links: [{ parent: -7, daughter: Number.NaN }] }]],
      ['labChooseTable', ['Mo-99', 1e-6]], ['labPlot', [{ run: true, kind: (m.LabViewKind as unknown as Record<string, unknown>).Ratio, daughter: 99, over: -5, activityUnit: 1e300 }]], ['labEquilibriumText', [99, -1]], ['labUpstream', [1e9]],
      ['labAdopt', [{ initial: ['1'], step: '1', steps: '10' }, new Float64Array(3), new Float64Array(2), new Float64Array([1, 0, -1, 1, Number.NaN])]],
      ['labReadThreshold', ['', '']], ['labNuclide', ['']], ['labChainFile', []],
      ['countingRunTable', [{ start: 'Mo-99', initial: [Number.NaN, {}], milk: true, milkStep: '1', milkMember: Number.NaN, unit: 1e300, grid: -1, threshold: Number.NaN, amountUnits: [Infinity, 'x', -1, 2.5] }, 'x']],
      ['countingStart', [counter, [Number.NaN, 1e300, -1, 0.5, 'x'], 'x', '-5', 'x']], ['countingPlayTo', [Infinity]], ['countingPlayTo', [Number.NaN]],
      ['countingRatePlot', [Number.NaN]], ['countingFitReport', [Number.NaN, 7, 'x']], ['countingSampleText', ['%1%2']], ['roundInterval', [1, Number.NaN, Infinity]],
      ['setEnsemble', [ensemble, { length: 1e300 }]], ['setEnsemble', [ensemble, new Int16Array(1e6)]], ['ensembleRuns', [ensemble, -1e9, 1e9, 'no function']],
      ['readClassData', [{ length: -1 }, '.']], ['readClassData', [[300, -1, Number.NaN], '']], ['viewPlot', [-7]], ['leadingPower', [1e300, 2 ** 31 - 1]],
      ['roundToUncertainty', [Number.NaN, Infinity]], ['labEntryText', [1 / 3, -(2 ** 31)]], ['labNuclideSymbol', [2 ** 31 - 1, -1, '']],
    ];

    const bound = Object.keys(m).filter((name) => typeof m[name] === 'function' && typeof m[name].argCount === 'number').sort();
    const failures: string[] = [];
    const refusedAtBorder = (error: unknown) => error instanceof Error &&
      (error.name === 'BindingError' || (error instanceof TypeError && !/wasm/.test(error.stack ?? '')));
    for (const name of bound) {
      prepare();
      const count = m[name].argCount!;
      for (const args of [[], ...nonsense.map((value) => Array(count).fill(value))]) {
        try { call(name, ...args); } catch (error) { if (!refusedAtBorder(error)) failures.push(`${name}(${args.map(String)}): ${error}`); }
      }
    }
    prepare();
    for (const [name, args] of answers) {
      try { call(name, ...args); } catch (error) { failures.push(`${name}: ${error}`); }
    }
    return { bound, failures, after: prepare() };
  });
  expect(outcome.bound).toEqual(expect.arrayContaining(['countingStart', 'labRun', 'leadingPower', 'runRandom', 'setEnsemble']));
  expect(outcome.failures).toEqual([]);
  expect(outcome.after).toEqual({ lab: true, counting: true, run: true, experiment: true });
  // The page goes on as before once a chain is chosen anew.
  await page.locator('#cboNuclide').selectOption({ label: 'Cobalt-60 (Co-60)' });
  await page.locator('#cmdExact').click();
  await expect(page.locator('#cmdExport')).toBeEnabled();
});
