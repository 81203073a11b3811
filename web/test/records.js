// Layered material records (type 1) holding diffuse BRDFs, each BRDF's URL
// repeating the material's name: a long name makes a large document. The
// name is a text, or a number of letters.
'use strict';
const u32 = (...values) => Buffer.from(new Uint32Array(values).buffer);
const f32 = (...values) => Buffer.from(new Float32Array(values).buffer);
const text = (bytes) => Buffer.concat([u32(bytes.length), bytes]);

function diffuse() {
  return Buffer.concat([u32(0x40000), f32(0.5, 0.5, 0.5, 0, 0, 0, 1, 1), Buffer.from([0, 0]),
                        u32(0x40000), text(Buffer.from('BRDFDiffuse')), Buffer.from([1, 0, 0, 0])]);
}

function layered(name, brdfs) {
  const nameBytes = typeof name === 'number' ? Buffer.alloc(name, 'N') : Buffer.from(name);
  const parts = [u32(0x40000), u32(brdfs)];
  for (let i = 0; i < brdfs; i++) parts.push(u32(2), diffuse());
  parts.push(u32(1, 0, 1, 1), u32(0x20000), text(nameBytes), text(Buffer.alloc(0)), u32(0));
  return Buffer.concat(parts);
}

module.exports = { layered };
