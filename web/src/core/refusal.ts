// A refusal of the model and the change of the entries it offers.
import { showMessage } from './dom';
import { modelText } from './i18n';
import { remedyEntries, type ModelMessage, type RemedyEntry } from './model';

// A refusal of the model shown to the user. Where the model knows a change of the entries that
// takes its cause away, it is offered beside it and, when taken, put in by `apply`: the promise
// says whether it was, so that the command goes on with the entries changed.
export async function changedOnRefusal(title: string, refusal: ModelMessage, apply: (entry: RemedyEntry, value: number) => void): Promise<boolean> {
  const remedy = refusal.remedy;
  const taken = await showMessage(title, modelText(refusal), 'OK', remedy ? modelText(remedy.offer) : undefined);
  if (!taken || !remedy) return false;
  for (const change of remedy.changes) apply(remedyEntries[change.entry], change.value);
  return true;
}
