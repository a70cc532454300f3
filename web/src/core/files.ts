// Files for the user: a download of text the model wrote, byte for byte, and a file picked to read.

export function download(name: string, text: string, type = 'text/csv'): void {
  // The model's text is UTF-8 already in meaning; Blob writes a string as UTF-8.
  downloadBlob(name, new Blob([text], { type }));
}

export function downloadBlob(name: string, blob: Blob): void {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export function pickFile(accept: string): Promise<File | null> {
  return pickFiles(accept, false).then((files) => files[0] ?? null);
}

// The files picked, none when the user cancels.
export function pickFiles(accept: string, multiple = true): Promise<File[]> {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.multiple = multiple;
    input.addEventListener('change', () => resolve([...(input.files ?? [])]));
    input.addEventListener('cancel', () => resolve([]));
    input.click();
  });
}
