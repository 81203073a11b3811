# frozen_string_literal: true

# Benchmarks at the Ruby boundary, each as a ratio of two measurements taken
# side by side in one run:
#   convert_material and convert_light against the cost any Ruby call on the
#   same data cannot avoid (Array#pack of the input plus a String the size of
#   the output), and convert_light against a pure-Ruby converter.
#
# usage: ruby -I<dir of Noxbin2xml.so> ruby_boundary_bench.rb RECORD_DIR [ROUNDS]
# RECORD_DIR holds material.bin and light.bin (noxbin2xml_bench_tool dump).
require "Noxbin2xml"
require_relative "pure_ruby_spot_light"

MATERIAL_TYPE = 3
LIGHT_TYPE = 4

record_dir = ARGV.fetch(0)
rounds = Integer(ARGV.fetch(1, "31"))
material = File.binread(File.join(record_dir, "material.bin")).bytes
light = File.binread(File.join(record_dir, "light.bin")).bytes

material_xml = Noxbin2xml.convert_material(material, MATERIAL_TYPE) or abort "material record not converted"
light_xml = Noxbin2xml.convert_light(light, LIGHT_TYPE) or abort "light record not converted"
pure_xml = PureRubySpotLight.convert(light)
abort "the pure-Ruby converter does not write the same text" unless pure_xml == light_xml

def clock
  Process.clock_gettime(Process::CLOCK_THREAD_CPUTIME_ID)
end

# Runs every case `batch` times per round, the cases in a new random order
# each round; returns each case's median time per call in seconds.
def measure(cases, rounds:, batch:)
  samples = Hash.new { |h, k| h[k] = [] }
  rounds.times do
    cases.keys.shuffle.each do |name|
      work = cases[name]
      GC.start
      start = clock
      i = 0
      while i < batch
        work.call
        i += 1
      end
      samples[name] << (clock - start) / batch
    end
  end
  samples.transform_values { |times| times.sort[times.size / 2] }
end

# Array#pack of the record and a String the size of the result: what any
# call that takes the same Array and returns the same text costs in Ruby.
ZERO = "\0".b.freeze
floor = lambda do |bytes, size|
  -> { bytes.pack("C*"); ZERO * size }
end

cases = {
  "convert_material" => -> { Noxbin2xml.convert_material(material, MATERIAL_TYPE) },
  "material_floor" => floor.call(material, material_xml.bytesize),
  "convert_light" => -> { Noxbin2xml.convert_light(light, LIGHT_TYPE) },
  "light_floor" => floor.call(light, light_xml.bytesize),
  "pure_ruby_light" => -> { PureRubySpotLight.convert(light) }
}
medians = measure(cases, rounds: rounds, batch: 200)

puts format("record sizes: material %d bytes in, %d bytes of XML out; light %d bytes in, %d bytes out",
            material.size, material_xml.bytesize, light.size, light_xml.bytesize)
medians.sort.each { |name, t| puts format("median %-18s %9.2f us", name, t * 1e6) }
puts format("RATIO convert_material/floor %.2f (target <= 3)", medians["convert_material"] / medians["material_floor"])
puts format("RATIO convert_light/floor %.2f (target <= 3)", medians["convert_light"] / medians["light_floor"])
puts format("RATIO pure_ruby_light/convert_light %.1f (target >= 10)",
            medians["pure_ruby_light"] / medians["convert_light"])
