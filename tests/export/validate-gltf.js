// node validate-gltf.js <validator-folder> <file.glb>: runs the Khronos glTF validator on the file
// and fails (exit 1, full report printed) on any error or warning.
const fs = require('fs');
const path = require('path');
const [validatorFolder, file] = process.argv.slice(2);
const validatorPath = path.resolve(validatorFolder, 'node_modules', 'gltf-validator');
if (!fs.existsSync(validatorPath)) {
  console.error(`no glTF validator in ${validatorFolder}; scripts/test installs it (npm ci there)`);
  process.exit(1);
}
const validator = require(validatorPath);
validator.validateBytes(new Uint8Array(fs.readFileSync(file)), { maxIssues: 0 }).then((report) => {
  const { numErrors, numWarnings, numInfos, numHints } = report.issues;
  console.log(`${file}: ${numErrors} errors, ${numWarnings} warnings, ${numInfos} infos, ${numHints} hints`);
  if (numErrors + numWarnings > 0) {
    console.log(JSON.stringify(report.issues.messages, null, 1));
    process.exit(1);
  }
}, (failure) => {
  console.error(`${file}: the validator could not read the file: ${failure}`);
  process.exit(1);
});
