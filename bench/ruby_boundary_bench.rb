# frozen_string_literal: true

# Benchmarks at the Ruby boundary, each as a ratio of two measurements taken
# side by side in one run:
#   convert_material on every bundled material sample and convert_light on
#   every bundled light sample against the cost any Ruby call on the same data
#   cannot avoid (Array#pack of the input plus a String the size of the
#   output), and convert_light of the spot light sample against a pure-Ruby
#   converter.
#
# usage: ruby -I<dir of Noxbin2xml.so> ruby_boundary_bench.rb SAMPLES_DIR [ROUNDS]
require "Noxbin2xml"
require_relative "pure_ruby_spot_light"

samples_dir = ARGV.fetch(0)
rounds = Integer(ARGV.fetch(1, "31"))

# [[bytes, type], ...] for the samples of one kind; file names end in the type.
def records(dir)
  Dir[File.join(dir, "*.rec")].sort.map do |path|
    [File.binread(path).bytes, Integer(File.basename(path, ".rec")[/-(\d+)\z/, 1])]
  end
end

materials = records(File.join(samples_dir, "materials"))
lights = records(File.join(samples_dir, "lights"))
spot = File.binread(File.join(samples_dir, "lights", "spot-4.rec")).bytes

def outputs(records, kind)
  records.map do |bytes, type|
    Noxbin2xml.public_send(kind, bytes, type) or abort "#{kind} failed on a type #{type} sample"
  end
end
material_xml = outputs(materials, :convert_material)
light_xml = outputs(lights, :convert_light)
spot_xml = Noxbin2xml.convert_light(spot, 4)
abort "the pure-Ruby converter does not write the same text" unless PureRubySpotLight.convert(spot) == spot_xml

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

# Every record converted once.
def convert_all(records, kind)
  -> { records.each { |bytes, type| Noxbin2xml.public_send(kind, bytes, type) } }
end

# Array#pack of each record and a String the size of its result: what any
# call that takes the same Array and returns the same text costs in Ruby.
ZERO = "\0".b.freeze
def floor_all(records, xml)
  pairs = records.map(&:first).zip(xml.map(&:bytesize))
  -> { pairs.each { |bytes, size| bytes.pack("C*"); ZERO * size } }
end

cases = {
  "convert_material" => convert_all(materials, :convert_material),
  "material_floor" => floor_all(materials, material_xml),
  "convert_light" => convert_all(lights, :convert_light),
  "light_floor" => floor_all(lights, light_xml),
  "convert_spot" => -> { Noxbin2xml.convert_light(spot, 4) },
  "pure_ruby_spot" => -> { PureRubySpotLight.convert(spot) }
}
medians = measure(cases, rounds: rounds, batch: 50)

def total(records) = records.sum { |r| r.first.size }
puts format("samples: %d materials, %d bytes in, %d bytes of XML out; %d lights, %d bytes in, %d bytes out",
            materials.size, total(materials), material_xml.sum(&:bytesize),
            lights.size, total(lights), light_xml.sum(&:bytesize))
medians.sort.each { |name, t| puts format("median %-18s %9.2f us", name, t * 1e6) }
puts format("RATIO convert_material/floor %.2f (target <= 3)", medians["convert_material"] / medians["material_floor"])
puts format("RATIO convert_light/floor %.2f (target <= 3)", medians["convert_light"] / medians["light_floor"])
puts format("RATIO pure_ruby_spot/convert_spot %.1f (target >= 10)",
            medians["pure_ruby_spot"] / medians["convert_spot"])
