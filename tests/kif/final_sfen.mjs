// Reads KIF and KIFU files with another program's reader, the npm package
// tsshogi (installed in the folder TSSHOGI_DIR), and prints each file's name
// and the SFEN of its last position (without the move number). Given
// "--expect FILE.tsv" (name, tab, SFEN a line), it reads the files listed
// there, beside the list, and fails when a position differs.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { basename, dirname, join } from "node:path";

const require = createRequire(join(process.env.TSSHOGI_DIR, "package.json"));
const { importKIF } = require("tsshogi");

function lastPosition(file) {
  const encoding = file.toLowerCase().endsWith(".kifu") ? "utf-8" : "shift_jis";
  const record = importKIF(new TextDecoder(encoding).decode(readFileSync(file)));
  if (record instanceof Error) return `error: ${record.message}`;
  while (record.goForward()) {}
  const sfen = record.position.sfen;
  return sfen.substring(0, sfen.lastIndexOf(" "));
}

const args = process.argv.slice(2);
if (args[0] === "--expect") {
  const list = args[1];
  let differ = 0;
  const lines = readFileSync(list, "utf-8").split("\n").filter((line) => line !== "");
  for (const line of lines) {
    const [name, expected] = line.split("\t");
    const actual = lastPosition(join(dirname(list), name));
    if (actual !== expected) {
      console.log(`${name}\n  tsshogi  ${actual}\n  expected ${expected}`);
      differ += 1;
    }
  }
  console.log(`${lines.length - differ} of ${lines.length} files reach the expected position`);
  process.exit(differ === 0 ? 0 : 1);
}
for (const file of args) console.log(`${basename(file)}\t${lastPosition(file)}`);
