// node validate-gltf.js <validator-folder> <file.glb>: runs the Khronos glTF validator on the file
// and fails (exit 1, full report printed) on any error or warning.
const fs = require('fs');
const path = require('path');
const [validatorFolder, file] = process.argv.slice(2);
const validatorPath = path.resolve(validatorFolder, 'node_modules', 'gltf-validator');
const fail = (message) => { console.error(message); process.exit(1); };
if (!fs.existsSync(validatorPath)) fail(`no glTF validator in ${validatorFolder}; scripts/test installs it (npm ci there)`);
require(validatorPath).validateBytes(new Uint8Array(fs.readFileSync(file)), { maxIssues: 0 }).then((report) => {
  const { numErrors, numWarnings, numInfos, numHints } = report.issues;
  console.log(`${file}: ${numErrors} errors, ${numWarnings} warnings, ${numInfos} infos, ${numHints} hints`);
  if (numErrors + numWarnings > 0) fail(JSON.stringify(report.issues.messages, null, 1));
}, (failure) => fail(`${file}: the validator could not read the file: ${failure}`));
