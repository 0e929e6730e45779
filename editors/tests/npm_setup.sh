#!/bin/sh
# Installs the Node packages the grammar test reads (vscode-textmate and
# vscode-oniguruma, at the versions of package-lock.json) into FOLDER, once:
# when FOLDER already holds them at those versions nothing is fetched.
#   npm_setup.sh TESTS-DIR FOLDER
set -eu
src=$1
dest=$2
have() {
  # $1 package, $2 version wanted
  [ -f "$dest/node_modules/$1/package.json" ] &&
    node -e 'const fs = require("fs");
             const v = JSON.parse(fs.readFileSync(process.argv[1], "utf8")).version;
             process.exit(v === process.argv[2] ? 0 : 1)' \
         "$dest/node_modules/$1/package.json" "$2"
}
if have vscode-textmate 9.4.0 && have vscode-oniguruma 2.0.1 &&
   cmp -s "$src/package-lock.json" "$dest/package-lock.json"; then
  exit 0
fi
mkdir -p "$dest"
cp "$src/package.json" "$src/package-lock.json" "$dest/"
cd "$dest"
npm ci --no-audit --no-fund --loglevel=error
have vscode-textmate 9.4.0 && have vscode-oniguruma 2.0.1
