// The parts of the browser edition, in the order of the navigation.
import type { Page } from './core/page';
import { nuclideLabPage } from './lab/NuclideLab';
import { runPage } from './run/RunPage';

export const pages: Page[] = [runPage, nuclideLabPage];
