// The lessons' calls into the model (web/wasm/LessonBindings.cpp): the open lesson and its
// student, the maker's draft, the link and the page, the hand-in and the collection.
import { model, type EnumValue, type ModelMessage } from '../core/model';
import type { Plot } from '../core/PlotChart';

export type PartKey = 'run' | 'experiment' | 'nuclides' | 'counting';
export type ControlUse = 'open' | 'locked' | 'hidden' | 'range';
export type ControlKind = 'entry' | 'text' | 'choice' | 'check' | 'option' | 'command';
export type QuestionKey = '' | 'number' | 'choice' | 'text' | 'readOff';
export type LessonDraw = 'Run' | 'Background' | 'Counter' | 'DatingSample' | 'DatingCount' | 'Repeat' | 'Silver';
export type VerdictKey = 'right' | 'wrong' | 'unanswered' | 'collected' | 'unmarked';

export interface LessonStepView { text: string; question: QuestionKey; unit: string; choices: string[] }
export interface ControlRuleView { name: string; use: ControlUse; low: number; high: number }
export interface LessonView {
  id: string; title: string; introduction: string; language: string; part: PartKey;
  feedback: boolean; handInAnswers: boolean; handInData: boolean; perStudent: boolean;
  steps: LessonStepView[]; setup: [string, string][]; start: [string, string][]; controls: ControlRuleView[];
}
export interface LessonOpened { error: ModelMessage }
export interface StudentAnswer { step: number; number: number | null; choice: number | null; text: string }
export interface MarkView { verdict: VerdictKey; message: ModelMessage }
export interface PartControl { name: string; kind: ControlKind; keys: string[] }
export interface QuantityView { name: string; arguments: string[]; time: boolean; description: ModelMessage }
export interface LessonRuns { seed: string; runs: number; lastStep: number; file: string; counts: Int16Array }

// A lesson as the maker holds it; texts as [[language, text]].
export type Texts = [string, string][];
export interface DraftStep {
  text: Texts; question: QuestionKey; unit: string; relative: number; absolute: number; choices: Texts[];
  answer: { value: number | null; choice: number | null; quantity: string; arguments: [string, string][] } | null;
}
export interface Draft {
  id: string; title: Texts; introduction: Texts; part: PartKey; setup: [string, string][]; perStudent: boolean; seed: string;
  controls: ControlRuleView[]; steps: DraftStep[]; feedback: boolean; handInAnswers: boolean; handInData: boolean;
}

export interface CollectionRow {
  fileName: string; name: string; seed: string; right: number; marked: number;
  marks: { verdict: VerdictKey; expected: number | null }[]; answers: (number | string | null)[];
}
export interface CollectionView { rows: CollectionRow[]; refused: { fileName: string; message: ModelMessage }[]; runsLeftOut: number; pooled: boolean }

export interface LessonModel {
  openLessonText(text: string, fileName: string): LessonOpened;
  openLessonLink(link: string, name: string): LessonOpened;
  isLessonLink(text: string): boolean;
  lessonInPage(page: string): string;
  lessonTitleOf(text: string, fileName: string, language: string): string;
  openLessonView(language: string): LessonView | null;
  closeLesson(): void;
  lessonStudent(name: string): string;
  lessonMark(answer: StudentAnswer): MarkView;
  answerNumber(text: string, point: string): number | null;
  lessonHandIn(name: string, answers: StudentAnswer[], data: string): { fileName: string; text: string } | null;
  lessonRuns(): LessonRuns | null;
  lessonExpected(step: number): number | null;
  shownEntry(stored: string, point: string): string;
  storedEntry(shown: string, point: string): string;
  rangeRefusal(control: string, text: string, point: string): ModelMessage;
  partControls(part: PartKey): PartControl[];
  partQuantities(part: PartKey): QuantityView[];
  makeLesson(draft: Draft): ModelMessage;
  drawSeed(student: string, draw: LessonDraw, count: number): string;
  openLessonDraft(): Omit<Draft, 'setup'> | null;
  editedText(before: Texts, language: string, shown: string): Texts;
  newLessonId(entropy: string): string;
  draftText(): string;
  draftFileName(): string;
  draftFragment(): string;
  draftPage(page: string): string;
  mostLinkCharacters(): number;
  previewDraft(): LessonOpened | null;
  collectHandIns(files: { name: string; text: string }[]): CollectionView | null;
  collectionPlot(view: EnumValue<'ExperimentView'>): Plot;
  collectionCsv(words: Record<string, string>): string;
}

export const lessonModel = () => model<LessonModel>();
