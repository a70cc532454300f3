// Lessons as a teacher and students use them, from the file the page was built into: a lesson
// made in the class experiment and saved, opened by three students who answer and hand in, the
// hand-ins collected and marked; the link and the page forms; refused files; the run a student
// sees against the run the marks come from. No request may leave the page.
import type { Download, Page } from '@playwright/test';
import { mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { expect, htmlFile, open, test } from './fixtures';

const folder = mkdtempSync(join(tmpdir(), 'atomdrift-lesson-'));

// Every request of a test's page must stay on the machine.
test.beforeEach(({ page }) => {
  const away: string[] = [];
  page.on('request', (request) => { if (!/^(file|data|blob|about):/.test(request.url())) away.push(request.url()); });
  test.info().annotations.push({ type: 'requests', description: '' });
  (page as Page & { away?: string[] }).away = away;
});
test.afterEach(({ page }) => {
  expect((page as Page & { away?: string[] }).away, 'requests leaving the page').toEqual([]);
});

async function saved(page: Page, click: () => Promise<void>): Promise<{ name: string; path: string; text: string }> {
  const [file] = await Promise.all([page.waitForEvent('download'), click()]);
  const path = join(folder, (file as Download).suggestedFilename());
  await file.saveAs(path);
  return { name: file.suggestedFilename(), path, text: readFileSync(path, 'utf8') };
}

async function openFile(page: Page, path: string): Promise<void> {
  await page.locator('#cmdOpenLesson').click();
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdLessonFile').click()]);
  await chooser.setFiles(path);
}

const model = <T>(page: Page, call: string, ...args: unknown[]) =>
  page.evaluate(([name, values]) => (window.atomdrift.model() as Record<string, (...a: unknown[]) => unknown>)[name as string](...(values as unknown[])), [call, args] as const) as Promise<T>;

// The maker's step: its text, its question and the expected answer.
async function addStep(page: Page, n: number, text: string, question: string, fill: Record<string, string> = {}, expected?: string): Promise<void> {
  await page.locator('#cmdAddStep').click();
  await page.locator(`#txtStepText${n}`).fill(text);
  await page.locator(`#cboQuestion${n}`).selectOption(question);
  if (expected !== undefined) await page.locator(`#cboExpected${n}`).selectOption(expected);
  for (const [id, value] of Object.entries(fill)) await page.locator(`#${id}${n}`).fill(value);
}

const rate = 0.1;
const halfLife = Math.LN2 / rate; // 6.931 steps, ln 2 / r

// The class experiment's lesson as a teacher makes it: five runs of 100 atoms at r = 0.1, each
// student's own data, three questions, the run's file in the hand-in.
async function makeExperimentLesson(page: Page): Promise<{ name: string; path: string; text: string }> {
  await open(page, '#experiment');
  await page.locator('#txtAtoms').fill('100');
  await page.locator('#txtRate').fill('0.1');
  await page.locator('#txtLastStep').fill('30');
  await page.locator('#txtRuns').fill('5');
  await page.locator('#cmdMakeLesson').click();
  await page.locator('#txtLessonTitle').fill('Half-life with dice');
  await page.locator('#txtLessonIntroduction').fill('Every student throws 100 dice.');
  await page.locator('#grpControls summary').click();
  await page.locator('#cboUse_txtRate').selectOption('locked');
  await page.locator('#cboUse_cmdImport').selectOption('hidden');
  await page.locator('#cboUse_txtRuns').selectOption('range');
  await page.locator('#txtLow_txtRuns').fill('1');
  await page.locator('#txtHigh_txtRuns').fill('10');
  await expect(page.locator('#optSeedPerStudent')).toBeChecked();
  await page.locator('#chkHandInData').check();
  await addStep(page, 1, 'What is ln 2 / r, in steps?', 'number', { txtTolerance: '1' }, 'halfLife');
  await addStep(page, 2, 'Which half-life holds for the continuous law?', 'choice', { txtChoices: 'r / 2\nln 2 / r\n1 / r', txtExpected: '2' });
  await addStep(page, 3, 'Read the class mean at step 10 off the chart.', 'readOff', { txtTolerance: '2' }, 'meanAtoms');
  // The quantity's argument field appears once the quantity is chosen.
  await page.locator('#txtArgument3_step').fill('10');
  await addStep(page, 4, 'What did you notice?', 'text');
  return saved(page, () => page.locator('#cmdSaveLesson').click());
}

// A student's class experiment, run; its file as the page exports it.
async function runClass(page: Page): Promise<string> {
  await page.locator('#cmdRun').click();
  await expect(page.locator('#lblStatus')).toContainText('q =', { timeout: 60_000 });
  return model<string>(page, 'experimentFile');
}

// The mean column of the class experiment's file at step `t` (the columns after the runs').
function meanAt(file: string, runs: number, t: number): number {
  const line = file.split('\r\n')[t + 1].split(',');
  return Number(line[1 + runs]);
}

test.describe('a lesson in the class experiment', () => {
  test('made, answered by three students, handed in and collected', async ({ page }) => {
    const made = await makeExperimentLesson(page);
    expect(made.name).toBe('Half-life with dice.atomdrift');
    const lesson = JSON.parse(made.text);
    expect(lesson.atomdrift).toBe(1);

    const handIns: string[] = [];
    const students = [
      { name: 'Ada Lovelace', halfLife: halfLife.toFixed(2), choice: 2, readOff: true },
      { name: 'Ben', halfLife: '10', choice: 1, readOff: true },
      { name: 'Cy', halfLife: '6.9', choice: 2, readOff: false },
    ];
    const seeds: string[] = [];
    for (const student of students) {
      await open(page, '#run');
      await openFile(page, made.path);
      await expect(page.locator('#lessonPanel h2')).toHaveText('Half-life with dice');
      await expect(page).toHaveURL(/#experiment$/);
      // The rules: the rate locked, the import hidden with nothing of it left, the seed the student's.
      await expect(page.locator('#txtRate')).toBeDisabled();
      await expect(page.locator('#cmdImport')).toBeHidden();
      await expect(page.locator('#txtSeed')).toBeDisabled();
      await expect(page.locator('#txtRuns')).toHaveValue('5');
      await page.locator('#txtStudentName').fill(student.name);
      await page.locator('#txtStudentName').press('Tab');
      const seed = await page.locator('#txtSeed').inputValue();
      expect(seed).toBe(await model<string>(page, 'lessonStudent', student.name));
      seeds.push(seed);

      await page.locator('#txtAnswer1').fill(student.halfLife);
      await page.locator('#txtAnswer1').press('Enter');
      const right = Math.abs(Number(student.halfLife) - halfLife) <= 0.01 * halfLife;
      await expect(page.locator('#lblMark1')).toHaveAttribute('data-verdict', right ? 'right' : 'wrong');
      await page.locator(`#optAnswer2_${student.choice}`).check();
      await expect(page.locator('#lblMark2')).toHaveAttribute('data-verdict', student.choice === 2 ? 'right' : 'wrong');

      // The class the student sees is the class the marks come from.
      const file = await runClass(page);
      const marked = await model<{ file: string; seed: string }>(page, 'lessonRuns');
      expect(marked.seed).toBe(seed);
      expect(file).toBe(marked.file);
      if (student.readOff) {
        await page.locator('#txtAnswer3').fill(String(meanAt(file, 5, 10)));
        await page.locator('#txtAnswer3').press('Enter');
        await expect(page.locator('#lblMark3')).toHaveAttribute('data-verdict', 'right');
      }
      await page.locator('#txtAnswer4').fill('The counts fall by half every seven steps or so.');
      const handIn = await saved(page, () => page.locator('#cmdHandIn').click());
      expect(handIn.name).toBe(`Half-life with dice - ${student.name}.handin`);
      handIns.push(handIn.path);
    }
    expect(new Set(seeds).size).toBe(3);

    // A range refuses a value outside it and puts the one before back.
    await page.locator('#txtRuns').fill('50');
    await page.locator('#txtRuns').press('Enter');
    await expect(page.locator('#messageDialog')).toContainText('10');
    await page.locator('#cmdMessageOk').click();
    await expect(page.locator('#txtRuns')).toHaveValue('5');

    // The teacher collects, with a damaged file among the hand-ins.
    const damaged = join(folder, 'Damaged.handin');
    writeFileSync(damaged, readFileSync(handIns[0], 'utf8').replace('Ada Lovelace', 'Eve Lovelace'));
    await open(page);
    await openFile(page, made.path);
    await page.locator('#cmdCollect').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdChooseHandIns').click()]);
    await chooser.setFiles([...handIns, damaged]);
    const rows = page.locator('#tblMarks tbody tr');
    await expect(rows).toHaveCount(3);
    await expect(page.locator('#lstRefused li')).toHaveCount(1);
    await expect(page.locator('#lstRefused li')).toContainText('Damaged.handin');
    const cells = await rows.evaluateAll((trs) => trs.map((tr) => [...tr.querySelectorAll('td')].map((td) => td.dataset.verdict ?? '')));
    // Steps 1 to 4; the last cell counts the right answers.
    expect(cells.map((c) => c.slice(0, 4))).toEqual([
      ['right', 'right', 'right', 'collected'],
      ['wrong', 'wrong', 'right', 'collected'],
      ['right', 'right', 'unanswered', 'collected'],
    ]);
    await expect(rows.nth(0).locator('td').last()).toHaveText('3 of 3');
    await expect(page.locator('#chartCollection canvas').first()).toBeVisible();
    const pooled = await page.evaluate(() => ((window.atomdrift.drawnChart as (host: HTMLElement) => { layers: unknown[] } | null)(document.getElementById('chartCollection')!))?.layers.length ?? 0);
    expect(pooled).toBeGreaterThan(0);
    const csv = await saved(page, () => page.locator('#cmdExportCsv').click());
    const lines = csv.text.split('\r\n');
    expect(lines[0].startsWith('Name,File,Seed,Right,Marked,Answer 1,Mark 1,Expected 1,')).toBe(true);
    const ada = lines[1].split(',');
    expect(ada.slice(0, 5)).toEqual(['Ada Lovelace', 'Half-life with dice - Ada Lovelace.handin', seeds[0], '3', '3']);
    // The expected half-life is ln 2 / r to the 15 digits the file keeps.
    expect(Math.abs(Number(ada[7]) - halfLife)).toBeLessThan(1e-13);
  });

  test('handed out as a link and as a web page, both open straight into it', async ({ page }) => {
    await makeExperimentLesson(page);
    await page.locator('#cmdCopyLink').click();
    // The link stands in its field once the lesson is made, which the click awaits.
    await expect(page.locator('#txtLinkOut')).toHaveValue(/#lesson=/);
    const link = await page.locator('#txtLinkOut').inputValue();
    expect(link.length).toBeLessThanOrEqual(2000);
    expect(link).toContain('#lesson=');
    const pageFile = await saved(page, () => page.locator('#cmdSaveLessonPage').click());
    expect(pageFile.name).toBe('Half-life with dice.html');
    // The page saved is the page as built with the lesson's element added, nothing else.
    const built = readFileSync(htmlFile, 'utf8');
    expect(pageFile.text.replace(/<script type="application\/json" id="atomdriftLesson">[\s\S]*?<\/script>\n/, '')).toBe(built);

    for (const address of [link, pathToFileURL(pageFile.path).href]) {
      await page.goto('about:blank');
      await page.goto(address);
      await expect(page.locator('body[data-ready="yes"]')).toHaveCount(1);
      await expect(page.locator('#lessonPanel h2')).toHaveText('Half-life with dice');
      await expect(page.locator('#txtRate')).toBeDisabled();
      await expect(page.locator('#lstLessonSteps > li')).toHaveCount(4);
    }
  });
});

test.describe('the example lessons', () => {
  test('each opens from the list into its part with its entries', async ({ page }) => {
    await open(page);
    await page.locator('#cmdOpenLesson').click();
    const count = await page.locator('#lstExampleLessons button').count();
    expect(count).toBe(5);
    for (let i = 1; i <= count; ++i) {
      await open(page);
      await page.locator('#cmdOpenLesson').click();
      const button = page.locator(`#cmdExampleLesson${i}`);
      const title = await button.innerText();
      await button.click();
      await expect(page.locator('#lessonPanel h2')).toHaveText(title);
      const view = await model<{ part: string; setup: [string, string][] }>(page, 'openLessonView', 'en');
      await expect(page).toHaveURL(new RegExp(`#${view.part}$`));
      // Each entry of the set-up stands in its field, where the part shows the field.
      for (const [name, stored] of view.setup) {
        const field = page.locator(`#${name}`);
        if (!(await field.count()) || !(await field.isVisible())) continue;
        const kind = await field.evaluate((e) => (e instanceof HTMLInputElement ? e.type : e.tagName));
        if (kind === 'text') await expect(field, name).toHaveValue(stored);
        if (kind === 'SELECT' && (await field.locator('option[data-key]').count()))
          expect(await field.evaluate((e) => (e as HTMLSelectElement).selectedOptions[0]?.dataset.key), name).toBe(stored);
      }
    }
  });
});

test.describe('the decay run', () => {
  test('a lesson fills its entries; the random run shown is the one marked; N0 e^(-r t) marks', async ({ page }) => {
    await open(page, '#run');
    await page.keyboard.press('Enter');
    await page.locator('#txtN0').fill('500');
    await page.locator('#rrate').fill('0.05');
    await page.locator('#cmdMakeLesson').click();
    await page.locator('#txtLessonTitle').fill('Exponential law');
    await page.locator('#optSeedShared').check();
    await page.locator('#txtLessonSeed').fill('18446744073709551557'); // above 2^53: crosses as text
    await addStep(page, 1, 'N at step 20 by the law?', 'number', { txtTolerance: '0.1' }, 'expectedAtoms');
    await page.locator('#txtArgument1_step').fill('20');
    await addStep(page, 2, 'N at step 20 in your random run?', 'number', { txtTolerance: '0', txtAbsolute: '0.5' }, 'atoms');
    await page.locator('#txtArgument2_step').fill('20');
    const made = await saved(page, () => page.locator('#cmdSaveLesson').click());

    await open(page, '#experiment');
    await openFile(page, made.path);
    await expect(page).toHaveURL(/#run$/);
    await expect(page.locator('#txtN0')).toHaveValue('500');
    await expect(page.locator('#rrate')).toHaveValue('0.05');
    await expect(page.locator('#lblStudentSeed')).toContainText('18446744073709551557');
    await page.locator('#Command2').click();
    await page.locator('#Command5').click();
    const data = await saved(page, () => page.locator('#Command10').click());
    const shown = data.text.split('\r\n').slice(1, -1).map((line) => Number(line.split(',')[1]));
    const marked = await model<{ counts: Int16Array }>(page, 'lessonRuns');
    expect(shown).toEqual(Array.from(Object.values(marked.counts)));

    await page.locator('#txtStudentName').fill('Dora');
    await page.locator('#txtAnswer1').fill((500 * Math.exp(-0.05 * 20)).toFixed(2)); // 183.94
    await page.locator('#txtAnswer1').press('Enter');
    await expect(page.locator('#lblMark1')).toHaveAttribute('data-verdict', 'right');
    await page.locator('#txtAnswer2').fill(String(shown[20]));
    await page.locator('#txtAnswer2').press('Enter');
    await expect(page.locator('#lblMark2')).toHaveAttribute('data-verdict', 'right');
    await page.locator('#txtAnswer2').fill(String(shown[20] + 1));
    await page.locator('#txtAnswer2').press('Enter');
    await expect(page.locator('#lblMark2')).toHaveAttribute('data-verdict', 'wrong');
  });
});

test.describe('bad files', () => {
  test('a truncated lesson and one of a later version are refused by name; nothing opens', async ({ page }) => {
    const made = await makeExperimentLesson(page);
    const truncated = join(folder, 'Truncated.atomdrift');
    writeFileSync(truncated, made.text.slice(0, made.text.length / 2));
    const later = join(folder, 'Later.atomdrift');
    writeFileSync(later, made.text.replace('"atomdrift": 1', '"atomdrift": 7'));
    for (const [path, says] of [[truncated, 'Truncated.atomdrift'], [later, '7']] as const) {
      await open(page, '#run');
      await openFile(page, path);
      await expect(page.locator('#messageDialog')).toContainText(says);
      if (path === later) await expect(page.locator('#messageDialog')).toContainText('Later.atomdrift');
      await page.locator('#cmdMessageOk').click();
      await expect(page.locator('#lessonPanel')).toHaveCount(0);
    }
  });
});

test.describe('looks', () => {
  for (const [name, width, height] of [['phone', 390, 844], ['projector', 1920, 1080]] as const) {
    test(`the class experiment with its lesson on a ${name}`, async ({ page }) => {
      const made = await makeExperimentLesson(page);
      await page.setViewportSize({ width, height });
      await open(page, '#experiment');
      await openFile(page, made.path);
      await page.locator('#txtStudentName').fill('Ada Lovelace');
      await page.locator('#txtStudentName').press('Tab');
      await runClass(page);
      await page.locator('#txtAnswer1').fill('6.93');
      await page.locator('#txtAnswer1').press('Enter');
      await expect(page.locator('#lblMark1')).toHaveAttribute('data-verdict', 'right');
      // Nothing wider than the screen.
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
      // A locked field looks locked and says so; the panel's commands are in sight beside the
      // part, and on a phone a link at the top leads to the steps.
      await expect(page.locator('label[for="txtRate"]')).toContainText('(locked by the lesson)');
      if (name === 'projector') {
        await page.evaluate(() => window.scrollTo(0, 0));
        for (const id of ['#cmdHandIn', '#cmdCloseLesson']) await expect(page.locator(id)).toBeInViewport({ ratio: 1 });
        await expect(page.locator('#cmdToLesson')).toBeHidden();
      } else {
        await page.evaluate(() => window.scrollTo(0, 0));
        await page.locator('#cmdToLesson').click();
        await expect(page.locator('#lessonPanel h2')).toBeInViewport();
      }
      await page.screenshot({ path: join(folder, `lesson-${name}.png`), fullPage: name === 'phone' });
    });
  }
});

// An example lesson opened from the list by its title, as a named student.
async function openExample(page: Page, title: string, student: string): Promise<void> {
  await open(page, '#run');
  await page.locator('#cmdOpenLesson').click();
  await page.locator('#lstExampleLessons button', { hasText: title }).click();
  await expect(page.locator('#lessonPanel h2')).toHaveText(title);
  await page.locator('#txtStudentName').fill(student);
  await page.locator('#txtStudentName').press('Tab');
}

// The first number of a text as the page writes it, and the time unit after it.
function shownNumber(text: string, after: RegExp): { value: number; unit: string } {
  const match = after.exec(text);
  expect(match, text).not.toBeNull();
  return { value: Number(match![1].replace(/,/g, '')), unit: match![2] ?? '' };
}

async function answer(page: Page, step: number, text: string, verdict: string): Promise<void> {
  await page.locator(`#txtAnswer${step}`).fill(text);
  await page.locator(`#txtAnswer${step}`).press('Enter');
  await expect(page.locator(`#lblMark${step}`)).toHaveAttribute('data-verdict', verdict);
}

test.describe('the labs\' random actions in a lesson', () => {
  // What the page shows after the lesson's steps must be what the marking makes again from the
  // student's seed, or a student who reads the page right is marked wrong.
  test('a counting practical: the background and the fitted half-life shown are the ones marked', async ({ page }) => {
    await openExample(page, 'A counting practical', 'Ada Lovelace');
    await expect(page).toHaveURL(/#counting$/);
    await expect(page.locator('#txtInterval')).toHaveValue('2');
    await expect(page.locator('#cboNuclide')).toBeDisabled();
    await page.locator('#cmdBackground').click();
    const background = shownNumber(await page.locator('#lblBackground').innerText(), /([0-9.]+) ± [0-9.]+ per second/);
    expect(background.value).toBeCloseTo(await model<number>(page, 'lessonExpected', 0), 3);
    await page.locator('#cmdExact').click();
    await page.locator('#cboSpeed').selectOption({ index: 4 }); // as fast as possible
    await page.locator('#cmdStart').click();
    await expect(page.locator('#cmdPause')).toBeDisabled({ timeout: 60_000 });
    const fit = shownNumber(await page.locator('#lblFit').innerText(), /T½ = ([0-9.,]+) ± [0-9.,]+ (s|min)\b/);
    const minutes = fit.unit === 's' ? fit.value / 60 : fit.value;
    const fitted = await model<number>(page, 'lessonExpected', 1);
    expect(Math.abs(minutes - fitted) / fitted).toBeLessThan(1e-3); // the page rounds to 4 digits
    await answer(page, 1, String(background.value), 'right');
    await answer(page, 2, minutes.toFixed(4), 'right');
    // A second background measurement is a new count: its own seed, other counts.
    await page.locator('#cmdBackground').click();
    const again = shownNumber(await page.locator('#lblBackground').innerText(), /([0-9.]+) ± [0-9.]+ per second/);
    expect(again.value).not.toBe(background.value);
    // The hand-in carries the counts where the lesson asks for the data.
    expect(await page.evaluate(() => document.getElementById('cmdExportCounts')?.hasAttribute('disabled'))).toBe(false);
  });

  test('radiocarbon dating: the age the laboratory gives is the one marked', async ({ page }) => {
    await openExample(page, 'Radiocarbon dating', 'Bo Ek');
    await page.locator('#tabpageDating').click();
    await expect(page.locator('#txtAge')).toBeHidden();
    await page.locator('#cmdNewSample').click();
    await page.locator('#cmdCountSample').click();
    const expected = await model<number>(page, 'lessonExpected', 0);
    const text = await page.locator('#lblDating').innerText();
    // The ages the page gives, in years; the dated one is within the page's rounding of the mark's.
    const ages = [...text.matchAll(/([0-9][0-9,]*) \(−[0-9,]+\/\+[0-9,]+\) y/g)].map((m) => Number(m[1].replace(/,/g, '')));
    const nearest = ages.reduce((a, b) => (Math.abs(b - expected) < Math.abs(a - expected) ? b : a));
    expect(Math.abs(nearest - expected) / expected, text).toBeLessThan(0.005);
    await answer(page, 1, String(nearest), 'right');
  });
});

test.describe('opening, making and collecting', () => {
  // A file and a link dropped on the page, as a browser hands them over.
  test('a lesson file and a link dropped on the page open the lesson', async ({ page }) => {
    const made = await makeExperimentLesson(page);
    await page.locator('#cmdCopyLink').click();
    // The link stands in its field once the lesson is made, which the click awaits.
    await expect(page.locator('#txtLinkOut')).toHaveValue(/#lesson=/);
    const link = await page.locator('#txtLinkOut').inputValue();
    for (const drop of [{ file: made.text, name: made.name }, { link }]) {
      await open(page, '#run');
      await page.evaluate((given) => {
        const transfer = new DataTransfer();
        if ('file' in given) transfer.items.add(new File([given.file!], given.name!, { type: 'application/json' }));
        else transfer.setData('text/plain', given.link!);
        document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
      }, drop);
      await expect(page.locator('#lessonPanel h2')).toHaveText('Half-life with dice');
      await expect(page).toHaveURL(/#experiment$/);
    }
  });

  test('the maker previews as a student and comes back; a link past 2,000 characters is refused', async ({ page }) => {
    await makeExperimentLesson(page);
    await page.locator('#cmdPreview').click();
    await expect(page.locator('#lblPreview')).toBeVisible();
    await expect(page.locator('#lstLessonSteps > li')).toHaveCount(4);
    await expect(page.locator('#txtRate')).toBeDisabled();
    await page.locator('#cmdBackToMaker').click();
    await expect(page.locator('#lessonPanel')).toHaveCount(0);
    await expect(page.locator('#txtLessonTitle')).toHaveValue('Half-life with dice');
    await expect(page.locator('#lstMakerSteps fieldset')).toHaveCount(4);
    // Text that does not compress: the link grows past what mail and chats keep whole.
    let noise = '';
    for (let i = 0; noise.length < 3000; ++i) noise += ((i * 2654435761) >>> 7).toString(36);
    await page.locator('#txtLessonIntroduction').fill(noise);
    await page.locator('#cmdCopyLink').click();
    await expect(page.locator('#lblLinkStatus')).toContainText('more than the 2000');
    await expect(page.locator('#lblLinkStatus')).toContainText('Save the lesson as a file or as a web page instead.');
    await expect(page.locator('#txtLinkOut')).toBeHidden();
    await expect(page.locator('#cmdSaveLesson')).toBeEnabled();
    await expect(page.locator('#cmdSaveLessonPage')).toBeEnabled();
  });

  // An opened lesson edited in the maker keeps its identity, its other languages and what a
  // later version wrote into it; the teacher's edit lands in the user's language.
  test('the maker edits an opened lesson', async ({ page }) => {
    const example = JSON.parse(readFileSync(new URL('../../data/lessons/counting.atomdrift', import.meta.url), 'utf8'));
    example.laterKey = { kept: true };
    example.steps[0].laterStepKey = 'kept too';
    const path = join(folder, 'Edited.atomdrift');
    writeFileSync(path, JSON.stringify(example));
    await open(page, '#run');
    await openFile(page, path);
    await page.locator('#cmdMakeLesson').click();
    await expect(page.locator('#txtLessonTitle')).toHaveValue(example.title.en);
    await expect(page.locator('#lstMakerSteps fieldset')).toHaveCount(example.steps.length);
    await page.locator('#txtLessonTitle').fill('A counting practical, edited');
    const saved1 = await saved(page, () => page.locator('#cmdSaveLesson').click());
    const written = JSON.parse(saved1.text);
    expect(written.id).toBe(example.id);
    expect(written.title).toEqual({ ...example.title, en: 'A counting practical, edited' });
    expect(written.steps[0].text).toEqual(example.steps[0].text);
    expect(written.laterKey).toEqual({ kept: true });
    expect(written.steps[0].laterStepKey).toBe('kept too');
    expect(written.controls).toEqual(example.controls);
  });

  test('a damaged hand-in alone is listed by name and not counted', async ({ page }) => {
    const made = await makeExperimentLesson(page);
    await open(page, '#run');
    await openFile(page, made.path);
    const damaged = join(folder, 'Damaged.handin');
    writeFileSync(damaged, '{"atomdrift-handin": 1, "lesson": "0000');
    await page.locator('#cmdCollect').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdChooseHandIns').click()]);
    await chooser.setFiles(damaged);
    await expect(page.locator('#lstRefused li')).toHaveCount(1);
    await expect(page.locator('#lstRefused li')).toContainText('Damaged.handin');
    await expect(page.locator('#lblCollection')).toContainText('0 hand-ins marked, 1 refused.');
    await expect(page.locator('#tblMarks')).toHaveCount(0);
  });
});

test.describe('the nuclide lab in a lesson', () => {
  // Lists by their keys (a nuclide outside the lab's list, an amount unit, a time unit), and the
  // run's data file in the hand-in.
  test('a lesson sets the lists by their keys and hands in the run\'s data', async ({ page }) => {
    const lesson = {
      atomdrift: 1, id: '00000000000000b1', title: { en: 'Barium' }, part: 'nuclides',
      setup: { cboNuclide: 'Ba-137m', txtAtoms1: '1000', cboAmountUnit1: 'Bq', cboStepUnit: 'min', txtStep: '1', txtSteps: '20' },
      seed: { policy: 'shared', value: '7' }, controls: { cboAmountUnit1: 'locked' },
      steps: [{ text: { en: 'Press “Exact”.' } }], feedback: true, handIn: { answers: true, data: true },
    };
    const path = join(folder, 'Barium.atomdrift');
    writeFileSync(path, JSON.stringify(lesson));
    await open(page, '#run');
    await openFile(page, path);
    await expect(page).toHaveURL(/#nuclides$/);
    const key = (id: string) => page.locator(id).evaluate((e) => (e as HTMLSelectElement).selectedOptions[0]?.dataset.key);
    expect(await key('#cboNuclide')).toBe('Ba-137m');
    expect(await key('#cboAmountUnit1')).toBe('Bq');
    expect(await key('#cboStepUnit')).toBe('min');
    await expect(page.locator('#cboAmountUnit1')).toBeDisabled();
    await expect(page.locator('#txtAtoms1')).toHaveValue('1000');
    await page.locator('#cmdExact').click();
    await page.locator('#txtStudentName').fill('Ada');
    await page.locator('#txtStudentName').press('Tab');
    const handIn = await saved(page, () => page.locator('#cmdHandIn').click());
    expect(JSON.parse(handIn.text).data).toContain('Ba-137m');
  });
});

// The lessons and hand-ins of earlier versions that every edition must open and mark alike, marked
// here as the model's corpus test and the desktop's collection mark them: the same table, cell for
// cell, the numbers to 10^-9. Among them a lesson made, answered and handed in through the
// desktop's windows (desktop-made) and one through this page (page-made).
test('the files of earlier versions are marked as in every edition', async ({ page }) => {
  const corpus = join(fileURLToPath(new URL('.', import.meta.url)), '../../tests/model/lesson/corpus/v1');
  const cells = (line: string) => {
    const out = [''];
    let quoted = false;
    for (let i = 0; i < line.length; i++) {
      const c = line[i];
      if (c === '"' && quoted && line[i + 1] === '"') { out[out.length - 1] += '"'; i++; }
      else if (c === '"') quoted = !quoted;
      else if (c === ',' && !quoted) out.push('');
      else out[out.length - 1] += c;
    }
    return out;
  };
  for (const lesson of ['dice', 'counting', 'technetium', 'desktop-made', 'page-made']) {
    await open(page);
    await openFile(page, join(corpus, `${lesson}.atomdrift`));
    await page.locator('#cmdCollect').click();
    const files = readdirSync(corpus).filter((f) => f.startsWith(`${lesson} - `)).sort().map((f) => join(corpus, f));
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdChooseHandIns').click()]);
    await chooser.setFiles(files);
    await expect(page.locator('#tblMarks tbody tr')).toHaveCount(3);
    const csv = await saved(page, () => page.locator('#cmdExportCsv').click());
    const now = csv.text.split('\r\n');
    const then = readFileSync(join(corpus, `${lesson}.marks.csv`), 'utf8').split('\r\n');
    expect(now.length).toBe(then.length);
    then.forEach((line, row) => {
      const a = cells(now[row]), b = cells(line);
      expect(a.length, `${lesson}, line ${row + 1}`).toBe(b.length);
      b.forEach((kept, i) => {
        const x = Number(a[i]), y = Number(kept);
        if (kept !== '' && Number.isFinite(y) && a[i] !== kept) expect(Math.abs(x - y), `${lesson}: ${line}`).toBeLessThanOrEqual(1e-9 * Math.abs(y));
        else expect(a[i], `${lesson}: ${line}`).toBe(kept);
      });
    });
  }
});
