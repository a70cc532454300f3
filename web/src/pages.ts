// The parts of the browser edition, in the order of the navigation.
import { countingPage } from './counting/CountingPage';
import type { Page } from './core/page';
import { nuclideLabPage } from './nuclides/NuclideLab';
import { runPage } from './run/RunPage';
import { experimentPage } from './experiment/ExperimentPage';

export const pages: Page[] = [runPage, experimentPage, nuclideLabPage, countingPage];
