// The browser tests: Debian's Chromium, headless, on the built HTML file opened as a teacher
// would open it, from a file. No browser is downloaded.
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: 'tests',
  timeout: 120_000,
  workers: 2,
  reporter: [['list']],
  use: {
    browserName: 'chromium',
    launchOptions: {
      executablePath: process.env.ATOMDRIFT_CHROMIUM ?? '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
    },
    viewport: { width: 1280, height: 900 },
    acceptDownloads: true,
    actionTimeout: 10_000,
  },
});
